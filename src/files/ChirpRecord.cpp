#include "files/ChirpRecord.h"

#include "model/EntryCodes.h"
#include "model/Limits.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "model/TextFit.h"
#include "reference/BandDefaults.h"

#include <QCoreApplication>
#include <cmath>

namespace mtz4 {

namespace {

constexpr int DefaultSecret = 11;
constexpr int DefaultCarrier = 28; // "JR"
constexpr int StepCount = 18;

int ToneOfHertz(double hertz) {
    const auto& tones = Ref().ToneList;
    for (int code = 0; code < int(tones.size()); ++code) {
        if (std::fabs(NumericValue(tones[code]) - hertz) < 0.05)
            return code;
    }
    return -1;
}

int modeOf(const QString& upper) {
    if (upper == QLatin1String("FM") || upper == QLatin1String("NFM"))
        return 0;
    if (upper == QLatin1String("AM") || upper == QLatin1String("NAM"))
        return 1;
    if (upper == QLatin1String("WFM"))
        return 2;
    return -1;
}

} // namespace

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

ChirpColumns ChirpColumnsOf(const QStringList& header) {
    const auto column = [&header](const char* name) {
        for (int i = 0; i < header.size(); ++i) {
            if (header[i].trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    };
    ChirpColumns c;
    c.location = column("Location");
    c.name = column("Name");
    c.frequency = column("Frequency");
    c.duplex = column("Duplex");
    c.offset = column("Offset");
    c.tone = column("Tone");
    c.rToneFreq = column("rToneFreq");
    c.cToneFreq = column("cToneFreq");
    c.mode = column("Mode");
    c.tStep = column("TStep");
    c.skip = column("Skip");
    c.comment = column("Comment");
    return c;
}

ChirpRowRecord ChirpRecordOf(const QStringList& row, const ChirpColumns& columns, int model,
                             CodePage page) {
    const auto raw = [&row](int i) { return i >= 0 && i < row.size() ? row[i] : QString(); };
    const auto get = [&raw](int i) { return WithoutRawBytes(raw(i)).trimmed(); };
    ChirpRowRecord out;
    const auto refuse = [&out](const QString& why) {
        out.whyNot = why;
        return out;
    };
    const auto notANumber = [&](const QString& what, const QString& field) {
        return refuse(what.arg(field));
    };

    const QString frequency = get(columns.frequency);
    const std::optional<double> parsed = ParseNumber(frequency);
    if (!frequency.isEmpty() && !parsed)
        return notANumber(
            QCoreApplication::translate("ChirpRecord", "the frequency \"%1\" is no number"),
            frequency);
    const double mhz = parsed.value_or(0.0);
    if (mhz < LowestFrequency || mhz > HighestFrequency)
        return refuse(
            QCoreApplication::translate("ChirpRecord", "a frequency outside 0.1 .. 1299.995 MHz"));
    const BandDefault band = BandDefaultOf(model, mhz);

    const QString modeWord = get(columns.mode);
    int mode = modeOf(modeWord.toUpper());
    if (mode < 0) {
        if (!modeWord.isEmpty() && modeWord.compare(QLatin1String("Auto"), Qt::CaseInsensitive))
            return refuse(QCoreApplication::translate(
                              "ChirpRecord", "the mode %1, which the receiver does not have")
                              .arg(modeWord));
        mode = band.mode;
        if (!modeWord.isEmpty())
            out.changes << QCoreApplication::translate("ChirpRecord", "mode Auto: the band's %1")
                               .arg(ModeText(mode));
    }

    const QString duplexWord = get(columns.duplex);
    const QString offsetText = get(columns.offset);
    const std::optional<double> offset =
        offsetText.isEmpty() ? std::optional<double>(0.0) : ParseNumber(offsetText);
    int shiftDir = duplexWord == QLatin1String("+")   ? ShiftPlusCode
                   : duplexWord == QLatin1String("-") ? ShiftMinusCode
                                                      : 0;
    double shift = 0.0;
    if (shiftDir != 0 || duplexWord.compare(QLatin1String("split"), Qt::CaseInsensitive) == 0) {
        if (!offset)
            return notANumber(
                QCoreApplication::translate("ChirpRecord", "the offset \"%1\" is no number"),
                offsetText);
        shift = *offset;
    }
    if (shiftDir == 0 && duplexWord.compare(QLatin1String("split"), Qt::CaseInsensitive) == 0) {
        // Offset is the other frequency of the pair: the shift that reaches it.
        const double apart = std::round((shift - mhz) * 1e6) / 1e6;
        if (apart != 0.0 && std::fabs(apart) < OffsetLimit) {
            shiftDir = apart > 0 ? ShiftPlusCode : ShiftMinusCode;
            shift = std::fabs(apart);
            out.changes << QCoreApplication::translate("ChirpRecord",
                                                       "duplex split to %1 MHz: %2 %3")
                               .arg(FormatMHz(*offset), ShiftDirText(shiftDir), FormatMHz(shift));
        } else {
            shift = 0.0;
            out.changes << QCoreApplication::translate(
                               "ChirpRecord",
                               "duplex split to %1 MHz, which no shift of less than 100 "
                               "MHz reaches: no shift")
                               .arg(FormatMHz(*offset));
        }
    } else if (shiftDir == 0 && !duplexWord.isEmpty() &&
               duplexWord.compare(QLatin1String("off"), Qt::CaseInsensitive) != 0) {
        out.changes << QCoreApplication::translate(
                           "ChirpRecord", "duplex %1, which the receiver does not have: no shift")
                           .arg(duplexWord);
    }
    if (shift < 0.0 || shift >= OffsetLimit)
        return refuse(
            QCoreApplication::translate("ChirpRecord", "an offset outside 0 .. 99.999999 MHz"));

    int option = OptionOffCode;
    int tone = DefaultToneCode;
    const QString toneMode = get(columns.tone);
    const bool toneSquelch = toneMode.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0;
    const bool reverse = toneMode.compare(QLatin1String("TSQL-R"), Qt::CaseInsensitive) == 0;
    if (toneSquelch || reverse) {
        const QString hertz = get(columns.cToneFreq);
        const int code = ToneOfHertz(ParseNumber(hertz).value_or(-1.0));
        if (code >= 0) {
            option = reverse ? OptionReverseCode : OptionToneCode;
            tone = code;
        } else {
            out.changes << QCoreApplication::translate(
                               "ChirpRecord",
                               "tone %1 Hz is not in the tone list: squelch left off")
                               .arg(hertz);
        }
    } else if (!toneMode.isEmpty() &&
               toneMode.compare(QLatin1String("Tone"), Qt::CaseInsensitive) != 0) {
        out.changes << QCoreApplication::translate(
                           "ChirpRecord", "tone mode %1, which the receiver does not have: squelch "
                                          "left off")
                           .arg(toneMode);
    }

    const QString stepText = get(columns.tStep);
    int step = StepOfKilohertz(ParseNumber(stepText).value_or(0.0));
    if (step < 0) {
        step = band.step;
        if (!stepText.isEmpty())
            out.changes << QCoreApplication::translate(
                               "ChirpRecord", "step %1 kHz is not in the step list: the band's %2")
                               .arg(stepText, StepText(step));
    }

    // The texts as they are, blanks included, fitted to what the note code
    // page and the receiver hold; the row says what that changed.
    const FittedText name = FitName(WithoutRawBytes(raw(columns.name)));
    const FittedText note = FitNote(raw(columns.comment), page);
    if (!name.changes.isEmpty())
        out.changes << DescribeChanges(QCoreApplication::translate("ChirpRecord", "name"),
                                       name.changes);
    if (!note.changes.isEmpty())
        out.changes << DescribeChanges(QCoreApplication::translate("ChirpRecord", "comment"),
                                       note.changes);

    CsvRecord r;
    PutRecordFields(
        r.data, r.text,
        {mhz, mode, step, option, DefaultSecret, DefaultCarrier, tone, shiftDir, shift});
    r.text[Col::Note] = note.text;
    r.text[Col::Name] = name.text;
    r.data[Col::Skip] =
        get(columns.skip).compare(QLatin1String("S"), Qt::CaseInsensitive) == 0 ? 1.0 : 0.0;
    r.enable = true;
    out.record = r;
    return out;
}

} // namespace mtz4
