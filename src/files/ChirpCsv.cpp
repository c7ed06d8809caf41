#include "files/ChirpCsv.h"

#include "files/CheckedFileWriter.h"
#include "files/ChirpRecord.h"
#include "files/CsvFields.h"
#include "files/CsvFormat.h"
#include "files/CsvRecord.h"
#include "files/FileBytes.h"
#include "files/TextFileEncoding.h"
#include "model/EntryCodes.h"
#include "model/EntryOps.h"
#include "model/ModelRules.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "model/RowLabels.h"

#include <QCoreApplication>
#include <QHash>
#include <array>

namespace mtz4 {

namespace {

const QStringList Header = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// How often an import says how far it has got.
constexpr int RowsPerProgress = 512;

// The tone in Hz as the tone columns write it: "88.5".
QString ToneHertz(int code) {
    return ToneText(code).remove(QStringLiteral("Hz"));
}

// A field written in quotes when it holds a comma, a quote or a line break,
// or begins or ends with a blank (which a reader would drop otherwise).
QString Field(const QString& text) {
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
        text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ')))
        return QuotedCsvField(text);
    return text;
}

} // namespace

QByteArray ChirpCsvText(const DataSet& ds) {
    QStringList lines{Header.join(QLatin1Char(','))};
    for (int e = 0; e < ChannelCount; ++e) {
        if (!ds.MemEnable[e])
            continue;
        const auto& d = ds.MemData[e];
        const auto& t = ds.MemText[e];
        const int shiftDir = int(d[Col::ShiftDir]);
        const int option = int(d[Col::Option]);
        const bool tone = option == OptionToneCode || option == OptionReverseCode;
        const QString toneHz = ToneHertz(tone ? int(d[Col::Tone]) : DefaultToneCode);
        const QStringList row = {
            QString::number(e),
            Field(t[Col::Name]),
            FormatMHz(d[Col::Freq]),
            shiftDir == 1   ? QStringLiteral("+")
            : shiftDir == 2 ? QStringLiteral("-")
                            : QString(),
            FormatMHz(shiftDir == 1 || shiftDir == 2 ? d[Col::Shift] : 0.0),
            option == OptionToneCode      ? QStringLiteral("TSQL")
            : option == OptionReverseCode ? QStringLiteral("TSQL-R")
                                          : QString(),
            toneHz,
            toneHz,
            QStringLiteral("023"),
            QStringLiteral("NN"),
            QStringLiteral("023"),
            QStringLiteral("Tone->Tone"),
            ModeText(int(d[Col::Mode])),
            QString::number(StepKilohertz(int(d[Col::Step])), 'f', 2),
            d[Col::Skip] != 0.0 ? QStringLiteral("S") : QString(),
            QString(),
            Field(t[Col::Note]),
            QString(),
            QString(),
            QString(),
            QString(),
        };
        lines << row.join(QLatin1Char(','));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QStringList ChirpExportLosses(const DataSet& ds) {
    QStringList losses;
    const QStringList labels = BuildRowLabels(ds.bank);
    for (int e = 0; e < ChannelCount; ++e) {
        if (!ds.MemEnable[e])
            continue;
        const QString where = labels.value(e).isEmpty() ? QString::number(e) : labels[e];
        const auto& d = ds.MemData[e];
        const auto& t = ds.MemText[e];
        switch (int(d[Col::Option])) {
        case OptionTrainCode:
            losses << QCoreApplication::translate("ChirpCsv",
                                                  "%1: the Train option with carrier %2")
                          .arg(where, t[Col::Carrier]);
            break;
        case OptionSecretCode:
            losses << QCoreApplication::translate("ChirpCsv", "%1: the Secret option with code %2")
                          .arg(where, t[Col::Secret]);
            break;
        default:
            break;
        }
    }
    int beyond = 0;
    for (int e = ChannelCount; e < EntryCount; ++e)
        beyond += ds.MemEnable[e] ? 1 : 0;
    if (beyond > 0)
        losses << QCoreApplication::translate(
            "ChirpCsv",
            "%n Program Scan, Search Pass and Priority entries in use: CHIRP's "
            "CSV holds memory channels only",
            nullptr, beyond);
    return losses;
}

QString ChirpExportLossesText(const QStringList& losses, int most) {
    return ListedUnder(QCoreApplication::translate(
                           "ChirpCsv",
                           "CHIRP's CSV has no field for what follows; the file was written "
                           "without it:"),
                       losses, most);
}

namespace {

// Names that came out the same once fitted to the receiver's 6 characters:
// each row whose different name became one that an earlier row has is told.
class FittedNames {
public:
    // A change item when `fitted` (from `original`) is what an earlier row's
    // different name became; an empty text otherwise.
    QString merged(const QString& original, const QString& fitted, int row) {
        if (fitted.trimmed().isEmpty())
            return {};
        const auto it = first_.constFind(fitted);
        if (it == first_.cend()) {
            first_.insert(fitted, {original, row});
            return {};
        }
        if (it->original == original)
            return {};
        return QCoreApplication::translate("ChirpCsv", "name \"%1\" as in row %2 once cut")
            .arg(fitted)
            .arg(it->row);
    }

private:
    struct First {
        QString original;
        int row;
    };
    QHash<QString, First> first_;
};

} // namespace

ChirpImport ImportChirpCsvText(DataSet& ds, const QByteArray& text, const ImportProgress& progress,
                               EntryPlacement* placement) {
    const bool placed = placement && !placement->asNumbered();
    ChirpImport result;
    QString howRead;
    const QString decoded = ImportFileText(text, ds.NoteCodePage, &howRead);
    if (!howRead.isEmpty())
        result.notes << howRead;
    CsvLineReader reader(decoded, DetectCsvSeparator(text), ChirpRecordStart());
    QStringList row;
    if (!reader.next(row)) {
        result.readable = false;
        return result;
    }
    const qsizetype headerFields = row.size();
    const ChirpColumns columns = ChirpColumnsOf(row);
    if (columns.location < 0 || columns.frequency < 0) {
        result.readable = false;
        return result;
    }

    // The row each channel came from in this import, and the line of the
    // report that row changed (-1: none), for a Location given again.
    std::array<int, ChannelCount> rowOf;
    std::array<qsizetype, ChannelCount> changedLineOf;
    rowOf.fill(0);
    FittedNames names;
    for (int r = 2; reader.next(row); ++r) {
        if (progress && r % RowsPerProgress == 0 && !progress(reader.position(), decoded.size())) {
            result.cancelled = true;
            return result;
        }
        if (row.isEmpty())
            continue;
        const auto get = [&row](int i) {
            return i >= 0 && i < row.size() ? row[i].trimmed() : QString();
        };
        const QString where = QCoreApplication::translate("ChirpCsv", "row %1 (Location %2)")
                                  .arg(r)
                                  .arg(get(columns.location));
        const auto skipRow = [&](const QString& why) {
            result.skipped << where + QStringLiteral(": ") + why;
        };

        // More fields than the header names, even empty ones: the columns
        // are not where the header says (a decimal comma outside quotes split
        // a number, and CHIRP's last columns are mostly empty).
        if (row.size() > headerFields) {
            skipRow(ExtraFieldsReason());
            continue;
        }
        bool isNumber = false;
        int entry = get(columns.location).toInt(&isNumber);
        if (!placed && (!isNumber || entry < 0)) {
            skipRow(QCoreApplication::translate("ChirpCsv", "no channel number"));
            continue;
        }
        if (!placed && entry >= ChannelCount) {
            skipRow(QCoreApplication::translate("ChirpCsv", "beyond the 1000 memory channels"));
            continue;
        }
        ChirpRowRecord mapped = ChirpRecordOf(row, columns, ds.ModelIndex, ds.NoteCodePage);
        if (!mapped.record) {
            skipRow(mapped.whyNot);
            continue;
        }
        if (placed) {
            QString whyNot;
            entry = placement->target(ds, ImportList::Channels, -1, &whyNot);
            if (entry < 0) {
                skipRow(whyNot);
                continue;
            }
        }
        const CsvRecord& record = *mapped.record;
        const QString refusal = EntryRefusal(ds, entry, FieldsOf(record.data), record.enable);
        if (!refusal.isEmpty()) {
            skipRow(refusal);
            continue;
        }
        const QString merged = names.merged(get(columns.name), record.text[Col::Name], r);
        if (!merged.isEmpty())
            mapped.changes << merged;

        // A Location given again: the later row is taken, the earlier one
        // is told as passed over, and the channel counts once.
        if (placed) {
            placement->taken(entry);
        } else if (rowOf[entry] > 0) {
            if (changedLineOf[entry] >= 0)
                result.changed[changedLineOf[entry]].clear();
            result.skipped << QCoreApplication::translate("ChirpCsv", "row %1 (Location %2): ")
                                      .arg(rowOf[entry])
                                      .arg(entry) +
                                  QCoreApplication::translate(
                                      "ChirpCsv", "Location %1 again in row %2, which is taken")
                                      .arg(entry)
                                      .arg(r);
            --result.imported;
        }
        ClearEntry(ds, entry);
        StoreCsvEntry(ds, entry, record);
        ++result.imported;
        qsizetype changedLine = -1;
        if (!mapped.changes.isEmpty()) {
            changedLine = result.changed.size();
            result.changed << ChangedRow(where, mapped.changes);
        }
        if (!placed) {
            rowOf[entry] = r;
            changedLineOf[entry] = changedLine;
        }
    }
    result.changed.removeAll(QString());
    if (result.imported > 0)
        ds.DataChanged = true;
    return result;
}

bool ExportChirpCsvFile(const DataSet& ds, const QString& path, QString* reason) {
    return WriteFileChecked(path, ChirpCsvText(ds), reason);
}

ChirpImport ImportChirpCsvFile(DataSet& ds, const QString& path, const ImportProgress& progress) {
    const std::optional<QByteArray> text = ReadFileBytes(path);
    if (!text) {
        ChirpImport failed;
        failed.readable = false;
        return failed;
    }
    return ImportChirpCsvText(ds, *text, progress);
}

QString ChirpImportSummary(const ChirpImport& result) {
    return ImportSummary(result);
}

} // namespace mtz4
