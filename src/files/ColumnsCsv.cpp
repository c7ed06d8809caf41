#include "files/ColumnsCsv.h"

#include "files/CsvFields.h"
#include "files/NewEntryFields.h"
#include "files/TextFileEncoding.h"
#include "model/EntryFind.h"
#include "model/EntryOps.h"
#include "model/Limits.h"
#include "model/ModelRules.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "model/RowLabels.h"
#include "reference/BandDefaults.h"

#include <QCoreApplication>
#include <QHash>
#include <cmath>

namespace mtz4 {

namespace {

constexpr int HeaderSearchLines = 10;
constexpr int RowsPerProgress = 512;
constexpr QChar Separators[] = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')};

bool isComment(const QString& line) {
    return line.trimmed().startsWith(QLatin1Char('#'));
}

bool isBlank(const QStringList& cells) {
    for (const QString& cell : cells) {
        if (!cell.trimmed().isEmpty())
            return false;
    }
    return true;
}

ColumnsHeader headerOf(const QStringList& cells, QChar separator, int line) {
    ColumnsHeader header;
    header.separator = separator;
    header.line = line;
    header.cells = cells;
    QList<HeaderWord> words;
    for (const QString& cell : cells)
        words << HeaderWordOf(cell);
    for (const HeaderWord& word : words) {
        header.fields << ColumnField::None;
        header.toMHz << word.toMHz;
    }
    // Each field to its surest column; every column naming the offset.
    for (int f = 1; f < ColumnFieldCount; ++f) {
        int best = -1;
        for (int c = 0; c < words.size(); ++c) {
            if (int(words[c].field) != f)
                continue;
            if (f == int(ColumnField::Offset))
                header.fields[c] = ColumnField::Offset;
            else if (best < 0 || words[c].rank < words[best].rank)
                best = c;
        }
        if (best >= 0)
            header.fields[best] = ColumnField(f);
    }
    return header;
}

int mapped(const ColumnsHeader& header) {
    return int(header.fields.size() -
               std::count(header.fields.cbegin(), header.fields.cend(), ColumnField::None));
}

// A word of a cell, compared in upper case.
QString upper(const QString& cell) {
    return cell.trimmed().toUpper();
}

bool oneOf(const QString& word, std::initializer_list<const char*> words) {
    for (const char* w : words) {
        if (word == QString::fromUtf8(w))
            return true;
    }
    return false;
}

// The mode's word as the record reads it; empty for the band's; the word
// itself for one the receiver lacks.
QString modeWord(const QString& word) {
    if (oneOf(word, {"FM", "NFM", "FMN", "NBFM", "FM-N", "N-FM"}))
        return QStringLiteral("FM");
    if (oneOf(word, {"AM", "NAM", "AMN", "AM-N"}))
        return QStringLiteral("AM");
    if (oneOf(word, {"WFM", "W-FM", "WBFM", "FMW", "FM-W", "BFM"}))
        return QStringLiteral("WFM");
    return word;
}

struct Shift {
    int direction = 0; // 0 none, 1 plus, 2 minus
    std::optional<double> amount;
    QString whyNot;
};

Shift shiftOf(const QStringList& cells, const ColumnsHeader& header, double mhz) {
    int said = 0; // a direction in words
    bool split = false;
    std::optional<double> value; // the amount as written, with its sign
    Shift shift;
    for (int c = 0; c < header.fields.size(); ++c) {
        if (header.fields[c] != ColumnField::Offset)
            continue;
        const QString cell = c < cells.size() ? cells[c].trimmed() : QString();
        const QString word = cell.toUpper();
        if (oneOf(word, {"+", "SHIFT+", "+SHIFT", "PLUS", "UP"})) {
            said = ShiftPlusCode;
        } else if (oneOf(word, {"-", "SHIFT-", "-SHIFT", "MINUS", "DOWN"})) {
            said = ShiftMinusCode;
        } else if (word == QLatin1String("SPLIT")) {
            split = true;
        } else if (const std::optional<double> n = ParseNumber(cell)) {
            value = *n * header.toMHz.value(c, 1.0);
        } else if (!oneOf(word, {"", "OFF", "SIMPLEX", "NONE", "S", "AUS", "なし"})) {
            shift.whyNot =
                QCoreApplication::translate("ColumnsCsv", "the offset \"%1\" is no number")
                    .arg(cell);
            return shift;
        }
    }
    if (!value) {
        shift.direction = split ? 0 : said;
    } else if (split) {
        // The amount is the other frequency of the pair: the shift that reaches it.
        const double apart = std::round((*value - mhz) * 1e6) / 1e6;
        shift.direction = apart > 0 ? ShiftPlusCode : apart < 0 ? ShiftMinusCode : 0;
        shift.amount = std::fabs(apart);
    } else {
        shift.amount = std::fabs(*value);
        shift.direction = said != 0    ? said
                          : *value < 0 ? ShiftMinusCode
                          : *value > 0 ? ShiftPlusCode
                                       : 0;
    }
    return shift;
}

// Where line `line` (from 1) of the text begins, and how many lines above
// it hold anything but a comment.
qsizetype startOfLine(const QString& text, int line, int* above) {
    qsizetype pos = 0;
    for (int n = 1; n < line && pos < text.size(); ++n) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != QLatin1Char('\n') &&
               text[end] != QLatin1Char('\r'))
            ++end;
        const QString content = text.mid(pos, end - pos);
        if (!content.trimmed().isEmpty() && !isComment(content))
            ++*above;
        if (end + 1 < text.size() && text[end] == QLatin1Char('\r') &&
            text[end + 1] == QLatin1Char('\n'))
            ++end;
        pos = end + 1;
    }
    return qMin(pos, text.size());
}

// The entry a position cell names: a memory channel's number, or a row label.
int positionEntry(const QString& cell, const QStringList& labels) {
    bool isNumber = false;
    const int number = cell.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number < ChannelCount ? number : -1;
    return EntryOfRowLabel(labels, cell);
}

} // namespace

ColumnsHeader FindColumnsHeader(const QString& text) {
    ColumnsHeader first; // the first line that holds anything, split where it splits most
    int lineNumber = 0;
    int looked = 0;
    qsizetype pos = 0;
    while (pos < text.size() && looked < HeaderSearchLines) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != QLatin1Char('\n') &&
               text[end] != QLatin1Char('\r'))
            ++end;
        const QString line = text.mid(pos, end - pos);
        ++lineNumber;
        if (end + 1 < text.size() && text[end] == QLatin1Char('\r') &&
            text[end + 1] == QLatin1Char('\n'))
            ++end;
        pos = end + 1;
        if (line.trimmed().isEmpty() || isComment(line))
            continue;
        ++looked;
        ColumnsHeader best;
        for (const QChar separator : Separators) {
            const QList<QStringList> split = SplitCsvLines(line, separator);
            if (split.isEmpty())
                continue;
            const ColumnsHeader candidate = headerOf(split.first(), separator, lineNumber);
            if (looked == 1 && candidate.cells.size() > first.cells.size())
                first = candidate;
            if (candidate.columnOf(ColumnField::Frequency) < 0)
                continue;
            if (!best.namesFrequency() || mapped(candidate) > mapped(best) ||
                (mapped(candidate) == mapped(best) && candidate.cells.size() > best.cells.size()))
                best = candidate;
        }
        if (best.namesFrequency())
            return best;
    }
    return first;
}

void SetColumnField(ColumnsHeader& header, int column, ColumnField field) {
    if (column < 0 || column >= header.fields.size())
        return;
    if (field != ColumnField::None && field != ColumnField::Offset) {
        for (ColumnField& other : header.fields) {
            if (other == field)
                other = ColumnField::None;
        }
    }
    header.fields[column] = field;
}

bool MapColumn(ColumnsHeader& header, const QString& assignment, QString* error) {
    const qsizetype equals = assignment.lastIndexOf(QLatin1Char('='));
    const QString column = assignment.left(qMax<qsizetype>(0, equals)).trimmed();
    const std::optional<ColumnField> field =
        equals < 0 ? std::nullopt : ColumnFieldOfName(assignment.mid(equals + 1));
    if (equals <= 0 || !field) {
        *error = QCoreApplication::translate("ColumnsCsv",
                                             "--map takes COLUMN=FIELD, FIELD one of %1: \"%2\"")
                     .arg(ColumnFieldNames(), assignment);
        return false;
    }
    bool isNumber = false;
    int index = column.toInt(&isNumber) - 1;
    if (!isNumber) {
        index = -1;
        for (int c = 0; c < header.cells.size() && index < 0; ++c) {
            if (header.cells[c].trimmed().compare(column, Qt::CaseInsensitive) == 0)
                index = c;
        }
    }
    if (index < 0 || index >= header.cells.size()) {
        *error = QCoreApplication::translate("ColumnsCsv",
                                             "--map %1: the file has no column \"%2\" (%n columns)",
                                             nullptr, int(header.cells.size()))
                     .arg(assignment, column);
        return false;
    }
    SetColumnField(header, index, *field);
    return true;
}

QStringList ColumnMappingLines(const ColumnsHeader& header) {
    QStringList lines;
    for (int c = 0; c < header.cells.size(); ++c)
        lines << QStringLiteral("%1 \"%2\" -> %3")
                     .arg(c + 1)
                     .arg(header.cells[c].trimmed(), ColumnFieldName(header.fields.value(c)));
    return lines;
}

QString UnmappedColumnsNote(const ColumnsHeader& header) {
    QStringList unmapped;
    for (int c = 0; c < header.cells.size(); ++c) {
        if (header.fields.value(c) == ColumnField::None)
            unmapped << QStringLiteral("\"%1\" (%2)").arg(header.cells[c].trimmed()).arg(c + 1);
    }
    if (unmapped.isEmpty())
        return {};
    return QCoreApplication::translate("ColumnsCsv", "Columns not imported: %1")
        .arg(unmapped.join(QStringLiteral(", ")));
}

ColumnsRow ColumnsRowOf(const QStringList& cells, const ColumnsHeader& header, int model,
                        CodePage page) {
    ColumnsRow row;
    const auto raw = [&](ColumnField field) {
        const int c = header.columnOf(field);
        return c >= 0 && c < cells.size() ? cells[c] : QString();
    };
    const auto refuse = [&row](const QString& why) {
        row.whyNot = why;
        return row;
    };
    row.position = raw(ColumnField::Position).trimmed();

    const QString list = upper(raw(ColumnField::List));
    if (oneOf(list, {"PROGRAM SCAN", "PS", "プログラムスキャン"}))
        row.list = ImportList::ProgramScan;
    else if (oneOf(list, {"SEARCH PASS", "SP", "サーチパス"}))
        row.list = ImportList::SearchPass;
    else if (oneOf(list, {"PRIORITY", "PR", "プライオリティ"}))
        row.list = ImportList::Priority;
    else if (!oneOf(list, {"", "MEMORY", "MEM", "CHANNELS", "メモリー", "メモリ"}))
        return refuse(QCoreApplication::translate(
                          "ColumnsCsv", "no such list \"%1\" (Memory, Program Scan, Search Pass, "
                                        "Priority)")
                          .arg(raw(ColumnField::List).trimmed()));

    const QString frequency = raw(ColumnField::Frequency).trimmed();
    if (frequency.isEmpty())
        return refuse(QCoreApplication::translate("ColumnsCsv", "no frequency"));
    const std::optional<double> number = ParseNumber(frequency);
    if (!number)
        return refuse(QCoreApplication::translate("ColumnsCsv", "the frequency \"%1\" is no number")
                          .arg(frequency));
    const double mhz = *number * header.toMHz.value(header.columnOf(ColumnField::Frequency), 1.0);
    const BandDefault band = BandDefaultOf(model, mhz);

    QStringList f(CsvRecordFields);
    f[Col::Freq] = FormatMHz(mhz);
    const QString mode = upper(raw(ColumnField::Mode));
    if (mode == QLatin1String("AUTO")) {
        row.changes << QCoreApplication::translate("ColumnsCsv", "mode Auto: the band's %1")
                           .arg(ModeText(band.mode));
    } else if (!mode.isEmpty()) {
        f[Col::Mode] = modeWord(mode);
        if (f[Col::Mode] == mode && !oneOf(mode, {"FM", "AM", "WFM"}))
            return refuse(QCoreApplication::translate(
                              "ColumnsCsv", "the mode %1, which the receiver does not have")
                              .arg(raw(ColumnField::Mode).trimmed()));
    }
    const QString step = raw(ColumnField::Step).trimmed();
    if (!step.isEmpty()) {
        f[Col::Step] = StepTextOfSize(step);
        bool known = false;
        for (const QString& text : Ref().StepList)
            known =
                known || (!text.isEmpty() && text.compare(f[Col::Step], Qt::CaseInsensitive) == 0);
        if (!known) {
            f[Col::Step].clear();
            row.changes << QCoreApplication::translate(
                               "ColumnsCsv", "step %1 kHz is not in the step list: the band's %2")
                               .arg(step, StepText(band.step));
        }
    }
    const QString tone = raw(ColumnField::Tone).trimmed();
    f[Col::Option] = OptionText(OptionOffCode);
    if (!oneOf(upper(tone), {"", "OFF", "NONE", "NO", "-", "0", "AUS", "KEINE", "なし"})) {
        QString hertz = tone;
        if (hertz.endsWith(QLatin1String("hz"), Qt::CaseInsensitive))
            hertz.chop(2);
        const std::optional<double> value = ParseNumber(hertz);
        int code = -1;
        for (int t = 0; value && t < int(Ref().ToneList.size()); ++t) {
            if (std::fabs(NumericValue(Ref().ToneList[t]) - *value) < 0.05)
                code = t;
        }
        if (code >= 0) {
            f[Col::Option] = OptionText(OptionToneCode);
            f[Col::Tone] = ToneText(code);
        } else {
            row.changes << QCoreApplication::translate(
                               "ColumnsCsv", "tone %1 is not in the tone list: squelch left off")
                               .arg(tone);
        }
    }
    const Shift shift = shiftOf(cells, header, mhz);
    if (!shift.whyNot.isEmpty())
        return refuse(shift.whyNot);
    f[Col::ShiftDir] = ShiftDirText(shift.direction);
    if (shift.amount)
        f[Col::Shift] = FormatMHz(*shift.amount);
    const QString skip = upper(raw(ColumnField::Skip));
    if (oneOf(skip, {"S", "SKIP", "YES", "Y", "JA", "X", "はい"}))
        f[CsvRecordTexts] = QStringLiteral("#TRUE#");
    else if (oneOf(skip, {"NO", "N", "NEIN", "いいえ"}))
        f[CsvRecordTexts] = QStringLiteral("#FALSE#");
    else
        f[CsvRecordTexts] = skip;
    f[Col::Note] = raw(ColumnField::Note);
    f[Col::Name] = raw(ColumnField::Name);

    QStringList fitted;
    row.record = ParseCsvRecord(WithNewEntryDefaults(f, model), CsvTexts::AsTheyAre, page,
                                &row.whyNot, &fitted);
    row.changes << fitted;
    return row;
}

ImportReport ImportColumnsCsvText(DataSet& ds, const QByteArray& bytes, const ColumnsHeader& header,
                                  EntryPlacement& placement, const ImportProgress& progress) {
    ImportReport report;
    QString howRead;
    const QString text = ImportFileText(bytes, ds.NoteCodePage, &howRead);
    if (!howRead.isEmpty())
        report.notes << howRead;
    if (const QString unmapped = UnmappedColumnsNote(header); !unmapped.isEmpty())
        report.notes << unmapped;
    const QStringList labels = BuildRowLabels(ds.bank);
    // As numbered: the row that took each entry, and its line of the report.
    struct Taken {
        QString where;
        qsizetype changedLine;
    };
    QHash<int, Taken> takenBy;
    // The rows from the header on: what is above it (a title, comments)
    // could hold a quote that runs into them.
    int aboveHeader = 0;
    const int firstLine = qMax(1, header.line);
    const QString rows = text.mid(startOfLine(text, firstLine, &aboveHeader));
    CsvLineReader reader(rows, header.separator);
    QStringList cells;
    for (int count = 1; reader.next(cells); ++count) {
        if (progress && count % RowsPerProgress == 0 && !progress(reader.position(), rows.size())) {
            report.cancelled = true;
            return report;
        }
        const int line = firstLine + reader.lineNumber() - 1;
        if (cells.isEmpty() || isBlank(cells) || line == header.line)
            continue;
        const int freqColumn = header.columnOf(ColumnField::Frequency);
        const QString freq = freqColumn < cells.size() ? cells[freqColumn].trimmed() : QString();
        const QString where =
            freq.isEmpty()
                ? QCoreApplication::translate("ColumnsCsv", "row %1").arg(line)
                : QCoreApplication::translate("ColumnsCsv", "row %1 (%2)").arg(line).arg(freq);
        const auto skip = [&](const QString& why) {
            report.skipped << where + QStringLiteral(": ") + why;
        };
        bool extra = false;
        for (qsizetype c = header.cells.size(); c < cells.size(); ++c)
            extra = extra || !cells[c].trimmed().isEmpty();
        if (extra) {
            skip(ExtraFieldsReason());
            continue;
        }
        ColumnsRow row = ColumnsRowOf(cells, header, ds.ModelIndex, ds.NoteCodePage);
        if (!row.record) {
            skip(row.whyNot);
            continue;
        }
        QString whyNot;
        int entry = -1;
        if (placement.asNumbered()) {
            entry = row.position.isEmpty() ? -1 : positionEntry(row.position, labels);
            if (row.position.isEmpty())
                whyNot = QCoreApplication::translate("ColumnsCsv", "no position");
            else if (entry >= FirstPriorityEntry + 10)
                entry = -1, whyNot = QCoreApplication::translate(
                                "ColumnsCsv", "the import takes Priority entries 0 to 9 only");
            else if (entry < 0)
                whyNot = QCoreApplication::translate("ColumnsCsv", "no row %1").arg(row.position);
        } else {
            entry = placement.target(ds, row.list, -1, &whyNot);
        }
        if (entry < 0) {
            skip(whyNot);
            continue;
        }
        const CsvRecord& record = *row.record;
        if (const QString refusal = EntryRefusal(ds, entry, FieldsOf(record.data), record.enable);
            !refusal.isEmpty()) {
            skip(refusal);
            continue;
        }
        if (placement.asNumbered()) {
            // Given again: the later row is taken, the earlier one told.
            if (const auto earlier = takenBy.constFind(entry); earlier != takenBy.cend()) {
                if (earlier->changedLine >= 0)
                    report.changed[earlier->changedLine].clear();
                report.skipped << earlier->where + QStringLiteral(": ") +
                                      QCoreApplication::translate(
                                          "ColumnsCsv", "given again in row %1, which is taken")
                                          .arg(line);
                --report.imported;
            }
        }
        placement.taken(entry);
        ClearEntry(ds, entry);
        StoreCsvEntry(ds, entry, record);
        ++report.imported;
        qsizetype changedLine = -1;
        if (!row.changes.isEmpty()) {
            changedLine = report.changed.size();
            report.changed << ChangedRow(where, row.changes);
        }
        takenBy.insert(entry, {where, changedLine});
    }
    report.changed.removeAll(QString());
    if (aboveHeader > 0)
        report.notes << QCoreApplication::translate(
            "ColumnsCsv", "%n lines above the header passed over", nullptr, aboveHeader);
    if (report.imported > 0)
        ds.DataChanged = true;
    return report;
}

} // namespace mtz4
