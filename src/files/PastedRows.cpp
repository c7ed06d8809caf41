#include "files/PastedRows.h"

#include "files/ChirpRecord.h"
#include "files/CsvWords.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "model/TextLanguage.h"
#include "reference/BandDefaults.h"

#include <QRegularExpression>
#include <array>

namespace mtz4 {

namespace {

constexpr int LeadingFields = 3; // "MT-Z4", the section, the channel
constexpr int SkipField = CsvRecordTexts;
constexpr int EnableField = CsvRecordTexts + 1;
using OwnColumns = std::array<int, CsvRecordFields>; // cell of each field, -1: none

// The names of our fields in a header row, in the fields' order.
const std::array<QStringList, CsvRecordFields>& ownNames() {
    static const std::array<QStringList, CsvRecordFields> names = {
        QStringList{"FREQUENCY"},
        {"MODE"},
        {"STEP"},
        {"OPTION"},
        {"SECRET"},
        {"TRAIN"},
        {"TONE"},
        {"SHIFT"},
        {"SHIFT FREQUENCY"},
        {"NOTES", "NOTE"},
        {"NAME"},
        {"SKIP"},
        {"ENABLE"},
    };
    return names;
}

bool isHeader(const QStringList& cells) {
    for (const QString& cell : cells) {
        if (cell.trimmed().compare(QLatin1String("Frequency"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// A header naming columns only CHIRP's CSV has.
bool isChirpHeader(const QStringList& cells) {
    static const QStringList chirpOnly{"location", "duplex",  "offset",   "rtonefreq", "ctonefreq",
                                       "tstep",    "comment", "dtcscode", "crossmode"};
    for (const QString& cell : cells) {
        if (chirpOnly.contains(cell.trimmed().toLower()))
            return true;
    }
    return false;
}

OwnColumns ownColumnsOf(const QStringList& header) {
    OwnColumns columns;
    columns.fill(-1);
    for (int i = 0; i < header.size(); ++i) {
        const QString name = header[i].trimmed().toUpper();
        for (int f = 0; f < CsvRecordFields; ++f) {
            if (columns[f] < 0 && ownNames()[f].contains(name))
                columns[f] = i;
        }
    }
    return columns;
}

bool startsWithNumber(const QString& cell) {
    static const QRegularExpression number(QStringLiteral("^\\s*[0-9]*\\.?[0-9]"));
    return number.match(cell).hasMatch();
}

// A truth value as ParseCsvRecord reads it: #TRUE# or #FALSE#; `empty` for
// an empty cell.
QString flag(const QString& cell, const QLatin1String& empty) {
    QString word = cell.trimmed().toUpper();
    if (word.size() >= 2 && word.startsWith(QLatin1Char('"')) && word.endsWith(QLatin1Char('"')))
        word = word.mid(1, word.size() - 2).trimmed();
    if (word.isEmpty())
        return empty;
    if (word == CsvWord::TrueFlag || word == QLatin1String("TRUE") || word == QLatin1String("1"))
        return CsvWord::TrueFlag;
    if (word == CsvWord::FalseFlag || word == QLatin1String("FALSE") || word == QLatin1String("0"))
        return CsvWord::FalseFlag;
    return word;
}

QString shiftWord(const QString& cell) {
    const QString word = cell.trimmed();
    if (word == QLatin1String("+"))
        return QStringLiteral("SHIFT+");
    if (word == QLatin1String("-"))
        return QStringLiteral("SHIFT-");
    return word;
}

// A step given as its size ("12.5", "12.5 kHz") as the step's text.
QString stepWord(const QString& cell) {
    static const QRegularExpression size(QStringLiteral("^\\s*[0-9]*\\.?[0-9]+\\s*(khz)?\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (!size.match(cell).hasMatch())
        return cell;
    const int code = StepOfKilohertz(NumericValue(cell));
    return code >= 0 ? StepText(code) : cell;
}

// The 13 fields with what a new entry takes in place of an empty one.
QStringList withDefaults(QStringList f, int model) {
    const BandDefault band = BandDefaultOf(model, NumericValue(f[Col::Freq]));
    const auto orDefault = [&f](int field, const QString& value) {
        if (f[field].trimmed().isEmpty())
            f[field] = value;
    };
    orDefault(Col::Mode, ModeText(band.mode));
    orDefault(Col::Step, StepText(band.step));
    f[Col::Step] = stepWord(f[Col::Step]);
    orDefault(Col::Secret, QString::number(SecretRepairCode));
    orDefault(Col::Carrier, CarrierText(CarrierJRCode));
    orDefault(Col::Tone, QStringLiteral("88.5Hz"));
    f[Col::ShiftDir] = shiftWord(f[Col::ShiftDir]);
    orDefault(Col::Shift, QStringLiteral("0.600000"));
    f[SkipField] = flag(f[SkipField], CsvWord::FalseFlag);
    f[EnableField] = flag(f[EnableField], CsvWord::TrueFlag);
    return f;
}

// The 13 fields of a row without a header; none when it is no entry row.
std::optional<QStringList> positionalFields(QStringList cells) {
    if (cells.first() == CsvWord::Model)
        cells = cells.mid(LeadingFields);
    if (cells.size() >= CsvRecordFields)
        return cells.mid(0, CsvRecordFields);
    if (cells.size() == 1 && startsWithNumber(cells.first())) {
        QStringList f(CsvRecordFields);
        f[Col::Freq] = cells.first();
        return f;
    }
    return std::nullopt;
}

QStringList splitRows(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\\r\\n|\\r|\\n"));
    return text.split(lineEnd);
}

bool isBlank(const QStringList& cells) {
    for (const QString& cell : cells) {
        if (!cell.trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace

QList<PastedRow> ReadPastedRows(const QString& text, int model, CodePage page) {
    QList<PastedRow> rows;
    enum class Layout { Positional, Own, Chirp } layout = Layout::Positional;
    OwnColumns own{};
    ChirpColumns chirp;
    bool first = true;
    int number = 0;
    for (const QString& line : splitRows(text)) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (isBlank(cells))
            continue;
        if (first) {
            first = false;
            if (isHeader(cells)) {
                layout = isChirpHeader(cells) ? Layout::Chirp : Layout::Own;
                own = ownColumnsOf(cells);
                chirp = ChirpColumnsOf(cells);
                continue;
            }
            if (cells.first().trimmed().compare(QLatin1String("MODEL"), Qt::CaseInsensitive) == 0)
                continue; // a header of our columns, copied along from a spreadsheet
        }
        PastedRow row;
        row.number = ++number;
        if (layout == Layout::Chirp) {
            ChirpRowRecord mapped = ChirpRecordOf(cells, chirp, model, page);
            row.record = std::move(mapped.record);
            row.whyNot = mapped.whyNot;
            row.changes = mapped.changes;
            rows.append(row);
            continue;
        }
        std::optional<QStringList> fields;
        if (layout == Layout::Own) {
            fields = QStringList(CsvRecordFields);
            for (int f = 0; f < CsvRecordFields; ++f) {
                if (own[f] >= 0 && own[f] < cells.size())
                    (*fields)[f] = cells[own[f]];
            }
        } else {
            fields = positionalFields(cells);
        }
        if (!fields) {
            row.whyNot = InLanguage("not an entry row", "エントリーの行ではありません");
        } else {
            row.record = ParseCsvRecord(withDefaults(*fields, model), CsvTexts::AsTheyAre, page,
                                        &row.whyNot, &row.changes);
        }
        rows.append(row);
    }
    return rows;
}

} // namespace mtz4
