#include "files/CsvRecord.h"

#include "files/CsvWords.h"
#include "model/EntryCodes.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "model/TextFit.h"
#include "reference/ReferenceTables.h"

#include <array>
#include <tuple>

namespace mtz4 {

namespace {

constexpr int StepCount = 18;           // StepList 0..17 (18 and 19 are empty)
constexpr int FirstCarrierHundreds = 3; // carrier code 0 is 300 Hz

// The list texts are ASCII: only a..z change.
QChar upperCaseAscii(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 0x20) : c;
}

// The list text in upper case equals `upper`, without making the upper-case text.
bool equalsInUpperCase(const QString& text, const QString& upper) {
    if (text.size() != upper.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (upperCaseAscii(text[i]) != upper[i])
            return false;
    }
    return true;
}

// The index of the list text equal to `upper` compared in upper case, or -1.
template <std::size_t N>
int indexOf(const std::array<QString, N>& list, int count, const QString& upper) {
    for (int i = 0; i < count; ++i) {
        if (equalsInUpperCase(list[i], upper))
            return i;
    }
    return -1;
}

int modeCode(const QString& upper) {
    for (int code = 0; code <= 2; ++code) {
        if (ModeText(code) == upper)
            return code;
    }
    return -1;
}

int carrierCode(const QString& upper) {
    if (upper == QLatin1String("JR"))
        return CarrierJRCode;
    const qint64 hertz = RoundHalfEven(NumericValue(upper));
    const qint64 code = RoundHalfEven(double(hertz) / 100.0 - FirstCarrierHundreds);
    return code < 0 || code >= CarrierJRCode ? CarrierJRCode : int(code);
}

int toneCode(const QString& upper) {
    // The tones' values, read once: the reference tables never change.
    using ToneValues = std::array<double, std::tuple_size_v<decltype(ReferenceTables::ToneList)>>;
    static const ToneValues toneValues = [] {
        ToneValues values{};
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = NumericValue(Ref().ToneList[i]);
        return values;
    }();
    const double value = NumericValue(upper);
    for (std::size_t i = 0; i < toneValues.size(); ++i) {
        if (toneValues[i] == value)
            return int(i);
    }
    return DefaultToneCode;
}

int shiftDirection(const QString& upper) {
    if (upper == QLatin1String("SHIFT+") || upper == QLatin1String("+SHIFT"))
        return 1;
    if (upper == QLatin1String("SHIFT-") || upper == QLatin1String("-SHIFT"))
        return 2;
    return 0;
}

int secretCode(const QString& upper) {
    const qint64 code = RoundHalfEven(NumericValue(upper));
    return code < 0 || code > LastSecretCode ? SecretRepairCode : int(code);
}

} // namespace

std::optional<CsvRecord> ParseCsvRecord(const QStringList& fields, CsvTexts texts, CodePage page,
                                        QString* whyNot, QStringList* changes) {
    const auto refuse = [whyNot](const char* reason) -> std::optional<CsvRecord> {
        if (whyNot)
            *whyNot = QString::fromLatin1(reason);
        return std::nullopt;
    };
    if (fields.size() < CsvRecordFields)
        return refuse("too few fields");
    QStringList f = fields;
    for (int c = 0; c < CsvRecordTexts; ++c) {
        if (texts == CsvTexts::UpperCase || (c != Col::Note && c != Col::Name))
            f[c] = UpperCaseIn(f[c], page);
    }

    CsvRecord r;
    const double freq = NumericValue(f[Col::Freq]);
    if (freq == 0.0)
        return refuse("no frequency");
    if (freq < LowestFrequency || freq > HighestFrequency)
        return refuse("a frequency outside 0.1 .. 1299.995 MHz");
    const int mode = modeCode(f[Col::Mode]);
    if (mode < 0)
        return refuse("an unknown mode");
    const int step = indexOf(Ref().StepList, StepCount, f[Col::Step]);
    if (step < 0)
        return refuse("an unknown step");
    const double shift = NumericValue(f[Col::Shift]);
    if (shift < 0.0 || shift >= OffsetLimit)
        return refuse("an offset outside 0 .. 99.999999 MHz");
    const int option =
        qMax(0, indexOf(Ref().OptionList, int(Ref().OptionList.size()), f[Col::Option]));
    const int secret = secretCode(f[Col::Secret]);
    const int carrier = carrierCode(f[Col::Carrier]);
    const int tone = toneCode(f[Col::Tone]);
    const int shiftDir = shiftDirection(f[Col::ShiftDir]);

    PutRecordFields(r.data, r.text,
                    {freq, mode, step, option, secret, carrier, tone, shiftDir, shift});
    const FittedText note = FitNote(f[Col::Note], page);
    const FittedText name = FitName(f[Col::Name]);
    r.text[Col::Note] = note.text;
    r.text[Col::Name] = name.text;
    if (changes) {
        changes->clear();
        if (!note.changes.isEmpty())
            *changes << DescribeChanges(InLanguage("note", "メモ"), note.changes);
        if (!name.changes.isEmpty())
            *changes << DescribeChanges(InLanguage("name", "名前"), name.changes);
    }
    r.data[Col::Skip] = f[CsvRecordTexts] == CsvWord::TrueFlag ? 1.0 : 0.0;
    // Spreadsheets write the flag back quoted or not; either way it counts.
    r.enable = f[CsvRecordTexts + 1] == CsvWord::TrueFlag;
    return r;
}

void StoreCsvEntry(DataSet& ds, int entry, const CsvRecord& r) {
    for (int c = 0; c < MemColumns; ++c)
        ds.MemData[entry][c] = r.data[c];
    for (int c = 0; c < CsvRecordTexts; ++c)
        ds.MemText[entry][c] = r.text[c];
    if (r.data[Col::Skip] != 0.0)
        ds.MemText[entry][Col::Skip] = QStringLiteral("*");
    ds.MemEnable[entry] = r.enable;
    ds.MemNoteBytes[entry].clear();
}

void StoreCsvBand(DataSet& ds, int band, const CsvRecord& r) {
    for (int c = 0; c < VfoColumns; ++c) {
        ds.VfoData[band][c] = r.data[c];
        ds.VfoText[band][c] = r.text[c];
    }
    ds.VfoNoteBytes[band].clear();
}

QStringList CsvEntryFields(const DataSet& ds, int entry) {
    QString section;
    QString channel;
    if (entry < FirstProgramScanEntry) {
        section = CsvWord::Memory;
        channel = QString::number(entry);
    } else if (entry < FirstSearchPassEntry) {
        section = CsvWord::ProgramScan;
        channel = Ref().ProgramScanLabel[entry - FirstProgramScanEntry];
    } else if (entry < FirstPriorityEntry) {
        section = CsvWord::SearchPass;
        channel = QString::number(entry - FirstSearchPassEntry);
    } else {
        section = CsvWord::Priority;
        channel = QString::number(entry - FirstPriorityEntry);
    }
    QStringList fields{CsvWord::Model, section, channel};
    for (int c = 0; c < CsvRecordTexts; ++c)
        fields << ds.MemText[entry][c];
    fields << (ds.MemData[entry][Col::Skip] != 0.0 ? CsvWord::TrueFlag : CsvWord::FalseFlag)
           << (ds.MemEnable[entry] ? CsvWord::TrueFlag : CsvWord::FalseFlag);
    return fields;
}

} // namespace mtz4
