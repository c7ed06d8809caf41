#include "files/CsvRecord.h"

#include "files/CsvWords.h"
#include "model/EntryCodes.h"
#include "model/NoteBytes.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "model/TextFit.h"

#include <QCoreApplication>
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

// A tone as written ("88.5Hz", "88,5 Hz", "88.5"): its value, or the
// leading number of a text that is none of these.
double toneValue(const QString& upper) {
    QString number = upper;
    if (number.endsWith(QLatin1String("HZ")))
        number.chop(2);
    return ParseNumber(number).value_or(NumericValue(upper));
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
    const double value = toneValue(upper);
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

QString ExtraFieldsReason() {
    return QCoreApplication::translate(
        "CsvRecord", "more fields than its columns: a decimal comma outside quotes (145,5) "
                     "splits a number in two; quote the field or save the file with semicolons");
}

std::optional<bool> CsvTruthValue(const QString& field) {
    QString word = field.trimmed().toUpper();
    if (word.size() >= 2 && word.startsWith(QLatin1Char('"')) && word.endsWith(QLatin1Char('"')))
        word = word.mid(1, word.size() - 2).trimmed();
    if (word == CsvWord::TrueFlag || word == QLatin1String("TRUE") || word == QLatin1String("1"))
        return true;
    if (word == CsvWord::FalseFlag || word == QLatin1String("FALSE") || word == QLatin1String("0"))
        return false;
    return std::nullopt;
}

std::optional<CsvRecord> ParseCsvRecord(const QStringList& fields, CsvTexts texts, CodePage page,
                                        QString* whyNot, QStringList* changes) {
    const auto refuse = [whyNot](const QString& reason) -> std::optional<CsvRecord> {
        if (whyNot)
            *whyNot = reason;
        return std::nullopt;
    };
    if (fields.size() < CsvRecordFields)
        return refuse(QCoreApplication::translate("CsvRecord", "too few fields"));
    // The words and numbers without blanks and in upper case; a raw byte of
    // the file shows as the character it is not.
    QStringList f(CsvRecordFields);
    for (int c = 0; c < CsvRecordFields; ++c) {
        if (c != Col::Note && c != Col::Name)
            f[c] = UpperCaseAscii(WithoutRawBytes(fields[c]).trimmed());
    }

    CsvRecord r;
    const std::optional<double> freq = ParseNumber(f[Col::Freq]);
    if (f[Col::Freq].isEmpty() || (freq && *freq == 0.0))
        return refuse(QCoreApplication::translate("CsvRecord", "no frequency"));
    if (!freq)
        return refuse(QCoreApplication::translate("CsvRecord", "the frequency \"%1\" is no number")
                          .arg(WithoutRawBytes(fields[Col::Freq]).trimmed()));
    if (*freq < LowestFrequency || *freq > HighestFrequency)
        return refuse(
            QCoreApplication::translate("CsvRecord", "a frequency outside 0.1 .. 1299.995 MHz"));
    const int mode = modeCode(f[Col::Mode]);
    if (mode < 0)
        return refuse(QCoreApplication::translate("CsvRecord", "an unknown mode"));
    const int step = indexOf(Ref().StepList, StepCount, f[Col::Step]);
    if (step < 0)
        return refuse(QCoreApplication::translate("CsvRecord", "an unknown step"));
    const std::optional<double> shift =
        f[Col::Shift].isEmpty() ? std::optional<double>(0.0) : ParseNumber(f[Col::Shift]);
    if (!shift)
        return refuse(QCoreApplication::translate("CsvRecord", "the offset \"%1\" is no number")
                          .arg(WithoutRawBytes(fields[Col::Shift]).trimmed()));
    if (*shift < 0.0 || *shift >= OffsetLimit)
        return refuse(
            QCoreApplication::translate("CsvRecord", "an offset outside 0 .. 99.999999 MHz"));
    const int option =
        qMax(0, indexOf(Ref().OptionList, int(Ref().OptionList.size()), f[Col::Option]));
    const int secret = secretCode(f[Col::Secret]);
    const int carrier = carrierCode(f[Col::Carrier]);
    const int tone = toneCode(f[Col::Tone]);
    const int shiftDir = shiftDirection(f[Col::ShiftDir]);

    PutRecordFields(r.data, r.text,
                    {*freq, mode, step, option, secret, carrier, tone, shiftDir, *shift});
    const QString name = WithoutRawBytes(fields[Col::Name]);
    const FittedText note = FitNote(fields[Col::Note], page);
    const FittedText fittedName = FitName(name);
    r.text[Col::Note] = note.text;
    r.text[Col::Name] =
        texts == CsvTexts::UpperCase ? UpperCaseAscii(fittedName.text) : fittedName.text;
    QStringList said;
    if (!note.changes.isEmpty())
        said << DescribeChanges(QCoreApplication::translate("CsvRecord", "note"), note.changes);
    if (!fittedName.changes.isEmpty())
        said << DescribeChanges(QCoreApplication::translate("CsvRecord", "name"),
                                fittedName.changes);
    // A flag that is no truth value leaves the entry without it, and says so.
    const auto flag = [&](int field, const char* word) {
        const std::optional<bool> value = CsvTruthValue(f[field]);
        if (!value && !f[field].isEmpty())
            said << QCoreApplication::translate("CsvRecord",
                                                "%1 \"%2\" is no truth value: read as #FALSE#")
                        .arg(QLatin1String(word), f[field]);
        return value.value_or(false);
    };
    r.data[Col::Skip] = flag(CsvRecordTexts, "SKIP") ? 1.0 : 0.0;
    r.enable = flag(CsvRecordTexts + 1, "ENABLE");
    if (changes)
        *changes = said;
    return r;
}

void StoreCsvEntry(DataSet& ds, int entry, const CsvRecord& r) {
    for (int c = 0; c < MemColumns; ++c)
        ds.MemData[entry][c] = r.data[c];
    for (int c = 0; c < CsvRecordTexts; ++c)
        ds.MemText[entry][c] = r.text[c];
    if (r.data[Col::Skip] != 0.0)
        ds.MemText[entry][Col::Skip] = QStringLiteral("*");
    StoreNote(ds.MemText[entry][Col::Note], ds.MemNoteBytes[entry], r.text[Col::Note],
              ds.NoteCodePage);
    ds.MemEnable[entry] = r.enable;
}

void StoreCsvBand(DataSet& ds, int band, const CsvRecord& r) {
    for (int c = 0; c < VfoColumns; ++c) {
        ds.VfoData[band][c] = r.data[c];
        ds.VfoText[band][c] = r.text[c];
    }
    StoreNote(ds.VfoText[band][Col::Note], ds.VfoNoteBytes[band], r.text[Col::Note],
              ds.NoteCodePage);
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
