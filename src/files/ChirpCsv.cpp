#include "files/ChirpCsv.h"

#include "files/CsvFields.h"
#include "files/FileBytes.h"
#include "files/TextFileEncoding.h"
#include "model/Limits.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "model/TextFit.h"
#include "reference/FactoryData.h"
#include "reference/ReferenceTables.h"

#include <QStringConverter>
#include <cmath>
#include <memory>

namespace mtz4 {

namespace {

const QStringList Header = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

constexpr int OptionOff = 0;
constexpr int OptionTone = 2;
constexpr int DefaultTone = 8; // 88.5 Hz
constexpr int DefaultSecret = 11;
constexpr int DefaultCarrier = 28; // "JR"
constexpr int StepCount = 18;

// The receiver's steps in kHz, by step code.
double StepKilohertz(int code) {
    static const double kHz[StepCount] = {5,  6.25, 8.33, 10,  12.5, 15,  20,   25, 30,
                                          50, 100,  125,  150, 200,  500, 1000, 1,  9};
    return code >= 0 && code < StepCount ? kHz[code] : 0.0;
}

int StepOfKilohertz(double kHz) {
    for (int code = 0; code < StepCount; ++code) {
        if (std::fabs(StepKilohertz(code) - kHz) < 0.006)
            return code;
    }
    return -1;
}

// The tone in Hz as the tone columns write it: "88.5".
QString ToneHertz(int code) {
    return ToneText(code).remove(QStringLiteral("Hz"));
}

int ToneOfHertz(double hertz) {
    const auto& tones = Ref().ToneList;
    for (int code = 0; code < int(tones.size()); ++code) {
        if (std::fabs(NumericValue(tones[code]) - hertz) < 0.05)
            return code;
    }
    return -1;
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

// The default step of the band that holds `mhz` for the model, from the
// model's factory VFO records; 5 kHz outside every band.
int BandDefaultStep(const DataSet& factory, int model, double mhz) {
    const auto& limits = Ref().BandLimit[qBound(0, model, ModelCount - 1)];
    for (int b = 0; b < BandCount; ++b) {
        if (limits[b][1] > 0.0 && mhz >= limits[b][0] && mhz <= limits[b][1])
            return int(factory.VfoData[b][Col::Step]);
    }
    return 0;
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
        const bool tone = int(d[Col::Option]) == OptionTone;
        const QString toneHz = ToneHertz(tone ? int(d[Col::Tone]) : DefaultTone);
        const QStringList row = {
            QString::number(e),
            Field(t[Col::Name]),
            FormatMHz(d[Col::Freq]),
            shiftDir == 1   ? QStringLiteral("+")
            : shiftDir == 2 ? QStringLiteral("-")
                            : QString(),
            FormatMHz(shiftDir == 1 || shiftDir == 2 ? d[Col::Shift] : 0.0),
            tone ? QStringLiteral("TSQL") : QString(),
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

ChirpImport ImportChirpCsvText(DataSet& ds, const QByteArray& text) {
    ChirpImport result;
    const QList<QStringList> lines = SplitCsvLines(ImportFileText(text, ds.NoteCodePage));
    if (lines.isEmpty()) {
        result.readable = false;
        return result;
    }
    const QStringList& header = lines.first();
    const auto column = [&header](const char* name) {
        for (int i = 0; i < header.size(); ++i) {
            if (header[i].trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    };
    const int location = column("Location");
    const int frequency = column("Frequency");
    if (location < 0 || frequency < 0) {
        result.readable = false;
        return result;
    }
    const int name = column("Name"), duplex = column("Duplex"), offset = column("Offset"),
              toneMode = column("Tone"), cTone = column("cToneFreq"), mode = column("Mode"),
              tStep = column("TStep"), skip = column("Skip"), comment = column("Comment");

    const int model = ds.ModelIndex;
    auto factory = std::make_unique<DataSet>();
    MakeFactoryDataSet(*factory, qBound(0, model, ModelCount - 1));

    for (int r = 1; r < lines.size(); ++r) {
        const QStringList& row = lines[r];
        const auto raw = [&row](int i) { return i >= 0 && i < row.size() ? row[i] : QString(); };
        const auto get = [&raw](int i) { return raw(i).trimmed(); };
        const QString where = QStringLiteral("row %1 (Location %2)").arg(r + 1).arg(get(location));
        const auto skipRow = [&](const QString& why) {
            result.skipped << where + QStringLiteral(": ") + why;
        };

        bool isNumber = false;
        const int entry = get(location).toInt(&isNumber);
        if (!isNumber || entry < 0) {
            skipRow(QStringLiteral("no channel number"));
            continue;
        }
        if (entry >= ChannelCount) {
            skipRow(QStringLiteral("beyond the 1000 memory channels"));
            continue;
        }
        const double mhz = NumericValue(get(frequency));
        if (mhz < LowestFrequency || mhz > HighestFrequency) {
            skipRow(QStringLiteral("a frequency outside 0.1 .. 1299.995 MHz"));
            continue;
        }
        if (model == Model::MTZ40T && !CellularAllowed(mhz)) {
            skipRow(QStringLiteral("a frequency of the cellular phone"));
            continue;
        }
        const QString modeWord = get(mode).toUpper();
        int modeCode = 0;
        if (modeWord == QLatin1String("AM"))
            modeCode = 1;
        else if (modeWord == QLatin1String("WFM"))
            modeCode = 2;
        else if (modeWord != QLatin1String("FM") && modeWord != QLatin1String("NFM") &&
                 !modeWord.isEmpty()) {
            skipRow(QStringLiteral("the mode %1, which the receiver does not have").arg(get(mode)));
            continue;
        }
        const QString duplexWord = get(duplex);
        const int shiftDir = duplexWord == QLatin1String("+")   ? 1
                             : duplexWord == QLatin1String("-") ? 2
                                                                : 0;
        const double shift = shiftDir == 0 ? 0.0 : NumericValue(get(offset));
        if (shift < 0.0 || shift >= OffsetLimit) {
            skipRow(QStringLiteral("an offset outside 0 .. 99.999999 MHz"));
            continue;
        }
        // The texts as they are, blanks included, fitted to what the note
        // code page and the receiver hold; the row says what that changed.
        const FittedText note = FitNote(raw(comment), ds.NoteCodePage);
        const FittedText nameText = FitName(raw(name));
        QStringList changes;
        if (!nameText.changes.isEmpty())
            changes << DescribeChanges(InLanguage("name", "名前"), nameText.changes);
        if (!note.changes.isEmpty())
            changes << DescribeChanges(InLanguage("comment", "コメント"), note.changes);

        int option = OptionOff;
        int tone = DefaultTone;
        if (get(toneMode).compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0) {
            const int code = ToneOfHertz(NumericValue(get(cTone)));
            if (code >= 0) {
                option = OptionTone;
                tone = code;
            }
        }
        int step = StepOfKilohertz(NumericValue(get(tStep)));
        if (step < 0)
            step = BandDefaultStep(*factory, model, mhz);

        auto& d = ds.MemData[entry];
        auto& t = ds.MemText[entry];
        d.fill(0.0);
        t.fill(QString());
        PutRecordFields(
            d, t,
            {mhz, modeCode, step, option, DefaultSecret, DefaultCarrier, tone, shiftDir, shift});
        t[Col::Note] = note.text;
        t[Col::Name] = nameText.text;
        d[Col::Skip] = get(skip).compare(QLatin1String("S"), Qt::CaseInsensitive) == 0 ? 1.0 : 0.0;
        ds.MemEnable[entry] = true;
        ds.MemNoteBytes[entry].clear();
        ++result.imported;
        if (!changes.isEmpty())
            result.changed << ChangedRow(where, changes);
    }
    if (result.imported > 0)
        ds.DataChanged = true;
    return result;
}

bool ExportChirpCsvFile(const DataSet& ds, const QString& path) {
    return SaveFileBytes(path, ChirpCsvText(ds));
}

ChirpImport ImportChirpCsvFile(DataSet& ds, const QString& path) {
    const std::optional<QByteArray> text = ReadFileBytes(path);
    if (!text) {
        ChirpImport failed;
        failed.readable = false;
        return failed;
    }
    return ImportChirpCsvText(ds, *text);
}

QString ChirpImportSummary(const ChirpImport& result) {
    return ImportSummary(result);
}

} // namespace mtz4
