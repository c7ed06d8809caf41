#include "files/PastedRows.h"

#include "files/ChirpRecord.h"
#include "files/ColumnsCsv.h"
#include "files/CsvFields.h"
#include "files/CsvWords.h"
#include "files/NewEntryFields.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "reference/BandDefaults.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <array>

namespace mtz4 {

namespace {

constexpr int LeadingFields = 3;                     // "MT-Z4", the section, the channel
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
        if (HeaderWordOf(cell).field == ColumnField::Frequency)
            return true;
    }
    return false;
}

// A header with a word our CSV's columns do not have ("Frequenz", "Alpha
// Tag", "CTCSS"): read as any file with a header row is.
bool isOthersHeader(const QStringList& cells) {
    static const QStringList ours{"MODEL", "BANK", "CHANNEL"};
    for (const QString& cell : cells) {
        const QString name = cell.trimmed().toUpper();
        bool own = ours.contains(name);
        for (const QStringList& names : ownNames())
            own = own || names.contains(name);
        if (!own && HeaderWordOf(cell).field != ColumnField::None)
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

// A cell that begins as a number does (a frequency pasted alone): read
// whole as the frequency, or the row is passed over with the reason.
bool startsWithNumber(const QString& cell) {
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?[0-9]*[.,]?[0-9]"));
    return number.match(cell).hasMatch();
}

// The 13 fields of a row without a header; none when it is no entry row.
std::optional<QStringList> positionalFields(QStringList cells) {
    if (cells.first().trimmed() == CsvWord::Model)
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
    enum class Layout { Positional, Own, Chirp, Columns } layout = Layout::Positional;
    ColumnsHeader columns;
    OwnColumns own{};
    ChirpColumns chirp;
    bool first = true;
    int number = 0;
    // Cells as spreadsheets copy them: separated by TABs, quoted when they
    // hold a TAB, a line break or a quote.
    CsvLineReader reader(text, QLatin1Char('\t'), OwnRecordStart());
    QStringList cells;
    while (reader.next(cells)) {
        if (cells.isEmpty() || isBlank(cells))
            continue;
        if (first) {
            first = false;
            if (isHeader(cells)) {
                const bool chirpHeader =
                    isChirpHeader(cells) && ChirpColumnsOf(cells).frequency >= 0;
                layout = chirpHeader             ? Layout::Chirp
                         : isOthersHeader(cells) ? Layout::Columns
                                                 : Layout::Own;
                columns = FindColumnsHeader(cells.join(QLatin1Char('\t')));
                own = ownColumnsOf(cells);
                chirp = ChirpColumnsOf(cells);
                continue;
            }
            if (cells.first().trimmed().compare(QLatin1String("MODEL"), Qt::CaseInsensitive) == 0)
                continue; // a header of our columns, copied along from a spreadsheet
        }
        PastedRow row;
        row.number = ++number;
        // A row of a header's columns or of CHIRP's, read as a file's would be.
        const auto take = [&rows, &row](auto mapped) {
            row.record = std::move(mapped.record);
            row.whyNot = mapped.whyNot;
            row.changes = mapped.changes;
            rows.append(row);
        };
        if (layout == Layout::Columns) {
            take(ColumnsRowOf(cells, columns, model, page));
            continue;
        }
        if (layout == Layout::Chirp) {
            take(ChirpRecordOf(cells, chirp, model, page));
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
            row.whyNot = QCoreApplication::translate("PastedRows", "not an entry row");
        } else {
            row.record = ParseCsvRecord(WithNewEntryDefaults(*fields, model), CsvTexts::AsTheyAre,
                                        page, &row.whyNot, &row.changes);
        }
        rows.append(row);
    }
    return rows;
}

} // namespace mtz4
