#include "files/ChirpRecord.h"

#include "model/EntryCodes.h"
#include "model/Limits.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "model/TextFit.h"
#include "model/TextLanguage.h"
#include "reference/BandDefaults.h"

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
            InLanguage("the frequency \"%1\" is no number", "周波数 \"%1\" は数ではありません"),
            frequency);
    const double mhz = parsed.value_or(0.0);
    if (mhz < LowestFrequency || mhz > HighestFrequency)
        return refuse(InLanguage("a frequency outside 0.1 .. 1299.995 MHz",
                                 "0.1～1299.995 MHz の範囲外の周波数"));
    const BandDefault band = BandDefaultOf(model, mhz);

    const QString modeWord = get(columns.mode);
    int mode = modeOf(modeWord.toUpper());
    if (mode < 0) {
        if (!modeWord.isEmpty() && modeWord.compare(QLatin1String("Auto"), Qt::CaseInsensitive))
            return refuse(InLanguage("the mode %1, which the receiver does not have",
                                     "モード %1 は受信機にありません")
                              .arg(modeWord));
        mode = band.mode;
        if (!modeWord.isEmpty())
            out.changes << InLanguage("mode Auto: the band's %1", "モード Auto: バンドの %1")
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
            return notANumber(InLanguage("the offset \"%1\" is no number",
                                         "オフセット \"%1\" は数ではありません"),
                              offsetText);
        shift = *offset;
    }
    if (shiftDir == 0 && duplexWord.compare(QLatin1String("split"), Qt::CaseInsensitive) == 0) {
        // Offset is the other frequency of the pair: the shift that reaches it.
        const double apart = std::round((shift - mhz) * 1e6) / 1e6;
        if (apart != 0.0 && std::fabs(apart) < OffsetLimit) {
            shiftDir = apart > 0 ? ShiftPlusCode : ShiftMinusCode;
            shift = std::fabs(apart);
            out.changes << InLanguage("duplex split to %1 MHz: %2 %3",
                                      "デュプレックス split (%1 MHz): %2 %3")
                               .arg(FormatMHz(*offset), ShiftDirText(shiftDir), FormatMHz(shift));
        } else {
            shift = 0.0;
            out.changes << InLanguage("duplex split to %1 MHz, which no shift of less than 100 "
                                      "MHz reaches: no shift",
                                      "デュプレックス split (%1 MHz) は 100 MHz 未満のシフトで"
                                      "届きません: シフトなし")
                               .arg(FormatMHz(*offset));
        }
    } else if (shiftDir == 0 && !duplexWord.isEmpty() &&
               duplexWord.compare(QLatin1String("off"), Qt::CaseInsensitive) != 0) {
        out.changes << InLanguage("duplex %1, which the receiver does not have: no shift",
                                  "デュプレックス %1 は受信機にありません: シフトなし")
                           .arg(duplexWord);
    }
    if (shift < 0.0 || shift >= OffsetLimit)
        return refuse(InLanguage("an offset outside 0 .. 99.999999 MHz",
                                 "0～99.999999 MHz の範囲外のオフセット"));

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
            out.changes << InLanguage("tone %1 Hz is not in the tone list: squelch left off",
                                      "トーン %1 Hz はトーン一覧にありません: スケルチはオフ")
                               .arg(hertz);
        }
    } else if (!toneMode.isEmpty() &&
               toneMode.compare(QLatin1String("Tone"), Qt::CaseInsensitive) != 0) {
        out.changes << InLanguage("tone mode %1, which the receiver does not have: squelch "
                                  "left off",
                                  "トーンモード %1 は受信機にありません: スケルチはオフ")
                           .arg(toneMode);
    }

    const QString stepText = get(columns.tStep);
    int step = StepOfKilohertz(ParseNumber(stepText).value_or(0.0));
    if (step < 0) {
        step = band.step;
        if (!stepText.isEmpty())
            out.changes << InLanguage("step %1 kHz is not in the step list: the band's %2",
                                      "ステップ %1 kHz はステップ一覧にありません: バンドの %2")
                               .arg(stepText, StepText(step));
    }

    // The texts as they are, blanks included, fitted to what the note code
    // page and the receiver hold; the row says what that changed.
    const FittedText name = FitName(WithoutRawBytes(raw(columns.name)));
    const FittedText note = FitNote(raw(columns.comment), page);
    if (!name.changes.isEmpty())
        out.changes << DescribeChanges(InLanguage("name", "名前"), name.changes);
    if (!note.changes.isEmpty())
        out.changes << DescribeChanges(InLanguage("comment", "コメント"), note.changes);

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
