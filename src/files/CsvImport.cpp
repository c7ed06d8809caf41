#include "files/CsvEntryIndex.h"
#include "files/CsvFields.h"
#include "files/CsvFile.h"
#include "files/CsvWords.h"
#include "files/FileBytes.h"
#include "model/BankCodec.h"
#include "model/EntryOps.h"
#include "model/GroupCodec.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "reference/ReferenceTables.h"

#include <QRegularExpression>
#include <optional>

namespace mtz4 {

namespace {

constexpr int RecordTexts = Col::Name + 1;    // the texts of columns 0..10
constexpr int RecordFields = RecordTexts + 2; // then SKIP and ENABLE
constexpr int StepCount = 18;                 // StepList 0..17 (18 and 19 are empty)
constexpr int DefaultTone = 8;                // "88.5Hz", for a tone text not in the list
constexpr int FirstCarrierHundreds = 3;       // carrier code 0 is 300 Hz
constexpr int NameLength = 6;
constexpr int HighestGroupRowZeroBox = BankCount - 1; // boxes 0..49: row 0, never shown

// Upper case within the file's code page: a character whose upper case lies
// outside ISO-8859-1 (such as the micro sign or y with diaeresis) stays as it
// is, so the note still saves into the clone file unchanged.
QString upperCase(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const QChar upper = c.toUpper();
        if (upper.unicode() <= 0xFF)
            c = upper;
    }
    return out;
}

// A name the record can hold: the first 6 characters, each one outside
// codes 32..126 written as a space.
QString recordName(const QString& text) {
    QString name = text.left(NameLength);
    for (QChar& c : name) {
        if (c.unicode() < 32 || c.unicode() > 126)
            c = QLatin1Char(' ');
    }
    return name;
}

// The index of the list text equal to `upper` compared in upper case, or -1.
template <std::size_t N>
int indexOf(const std::array<QString, N>& list, int count, const QString& upper) {
    for (int i = 0; i < count; ++i) {
        if (upperCase(list[i]) == upper)
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
    const double value = NumericValue(upper);
    const auto& tones = Ref().ToneList;
    for (int i = 0; i < int(tones.size()); ++i) {
        if (NumericValue(tones[i]) == value)
            return i;
    }
    return DefaultTone;
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

// The numbers and texts of one band or entry line.
struct Record {
    std::array<double, MemColumns> data{};
    std::array<QString, RecordTexts> text;
    bool enable = false;
};

// Builds the record from the 11 texts (in upper case), SKIP and ENABLE;
// nothing when the line must be passed over.
std::optional<Record> toRecord(const QStringList& f) {
    Record r;
    const double freq = NumericValue(f[Col::Freq]);
    if (freq < LowestFrequency || freq > HighestFrequency)
        return std::nullopt; // an empty line (0) or one the record cannot hold
    const int mode = modeCode(f[Col::Mode]);
    const int step = indexOf(Ref().StepList, StepCount, f[Col::Step]);
    const double shift = NumericValue(f[Col::Shift]);
    if (mode < 0 || step < 0 || shift < 0.0 || shift >= OffsetLimit)
        return std::nullopt;
    const int option =
        qMax(0, indexOf(Ref().OptionList, int(Ref().OptionList.size()), f[Col::Option]));
    const int secret = secretCode(f[Col::Secret]);
    const int carrier = carrierCode(f[Col::Carrier]);
    const int tone = toneCode(f[Col::Tone]);
    const int shiftDir = shiftDirection(f[Col::ShiftDir]);

    const auto put = [&r](int column, double value, const QString& text) {
        r.data[column] = value;
        r.text[column] = text;
    };
    put(Col::Freq, freq, FormatMHz(freq));
    put(Col::Mode, mode, ModeText(mode));
    put(Col::Step, step, StepText(step));
    put(Col::Option, option, OptionText(option));
    put(Col::Secret, secret, QString::number(secret));
    put(Col::Carrier, carrier, CarrierText(carrier));
    put(Col::Tone, tone, ToneText(tone));
    put(Col::ShiftDir, shiftDir, ShiftDirText(shiftDir));
    put(Col::Shift, shift, FormatMHz(shift));
    r.text[Col::Note] = f[Col::Note];
    r.text[Col::Name] = recordName(f[Col::Name]);
    r.data[Col::Skip] = f[RecordTexts] == CsvWord::TrueFlag ? 1.0 : 0.0;
    // Spreadsheets write the flag back quoted or not; either way it counts.
    r.enable = f[RecordTexts + 1] == CsvWord::TrueFlag;
    return r;
}

void storeEntry(DataSet& ds, int entry, const Record& r) {
    for (int c = 0; c < MemColumns; ++c)
        ds.MemData[entry][c] = r.data[c];
    for (int c = 0; c < RecordTexts; ++c)
        ds.MemText[entry][c] = r.text[c];
    if (r.data[Col::Skip] != 0.0)
        ds.MemText[entry][Col::Skip] = QStringLiteral("*");
    ds.MemEnable[entry] = r.enable;
}

void storeBand(DataSet& ds, int band, const Record& r) {
    for (int c = 0; c < VfoColumns; ++c) {
        ds.VfoData[band][c] = r.data[c];
        ds.VfoText[band][c] = r.text[c];
    }
}

// A band or entry number given as a number in 0..last; -1 otherwise (a field
// without a leading number names nothing, rather than band or entry 0).
int numberedTarget(const QString& field, int last) {
    static const QRegularExpression leadingNumber(QStringLiteral("^[ \\t]*[+-]?\\.?[0-9]"));
    if (!leadingNumber.match(field).hasMatch())
        return -1;
    const double value = NumericValue(field);
    return value < 0.0 || value > last ? -1 : int(RoundHalfEven(value));
}

// A number field of a bank or group line as a whole number; nothing when the
// field is not a number.
std::optional<qint64> wholeNumber(const QString& field) {
    static const QRegularExpression number(
        QStringLiteral("^[ \\t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)[ \\t]*$"));
    if (!number.match(field).hasMatch())
        return std::nullopt;
    return RoundHalfEven(NumericValue(field));
}

enum class Section { None, Vfo, Memory, ProgramScan, SearchPass, Priority, BankAmount, Group };

Section sectionOf(const QString& upper) {
    static const std::pair<QLatin1String, Section> words[] = {
        {CsvWord::Vfo, Section::Vfo},
        {CsvWord::Memory, Section::Memory},
        {CsvWord::ProgramScan, Section::ProgramScan},
        {CsvWord::SearchPass, Section::SearchPass},
        {CsvWord::Priority, Section::Priority},
        {CsvWord::BankAmount, Section::BankAmount},
        {CsvWord::Group, Section::Group},
    };
    for (const auto& [word, section] : words) {
        if (upper == word)
            return section;
    }
    return Section::None;
}

// The target of a band or entry line: a band for Section::Vfo, an entry
// otherwise; -1 when the CHANNEL field names none.
int targetOf(Section section, const QString& channel) {
    switch (section) {
    case Section::Vfo:
        return numberedTarget(channel, BandCount - 1);
    case Section::Memory:
        return numberedTarget(channel, ChannelCount - 1);
    case Section::ProgramScan:
        return ParseProgramScanIndex(channel);
    case Section::SearchPass:
        return ParseSearchPassIndex(channel);
    case Section::Priority:
        return ParsePriorityIndex(channel);
    case Section::None:
    case Section::BankAmount:
    case Section::Group:
        break;
    }
    return -1;
}

// Applies the lines of a CSV text to a data set, one line at a time.
class CsvMerge {
public:
    explicit CsvMerge(DataSet& ds) : ds_(ds) {}

    // Applies every record of the line; false when a bank or group line
    // holds a number field that is not a number.
    bool line(const QStringList& fields) {
        fields_ = &fields;
        next_ = 0;
        while (next_ < fields.size()) {
            // Anything up to the model word is passed over: the header line,
            // and what is left of a line that was not usable.
            if (fields[next_++] != CsvWord::Model || next_ >= fields.size())
                continue;
            const Section section = sectionOf(upperCase(fields[next_++]));
            if (section == Section::BankAmount || section == Section::Group) {
                if (!numberPair(section))
                    return false;
            } else if (section != Section::None) {
                record(section);
            }
        }
        return true;
    }

    int applied() const { return applied_; }

private:
    bool has(qsizetype count) const { return next_ + count <= fields_->size(); }

    void record(Section section) {
        if (!has(1))
            return;
        const QString channel = upperCase((*fields_)[next_++]);
        if (channel.isEmpty())
            return;
        const int target = targetOf(section, channel);
        if (target < 0 || !has(RecordFields))
            return;
        QStringList values = fields_->mid(next_, RecordFields);
        next_ += RecordFields;
        for (int c = 0; c < RecordTexts; ++c)
            values[c] = upperCase(values[c]);
        const std::optional<Record> r = toRecord(values);
        if (!r)
            return;
        if (section == Section::Vfo)
            storeBand(ds_, target, *r);
        else
            storeEntry(ds_, target, *r);
        ++applied_;
    }

    bool numberPair(Section section) {
        if (!has(2)) {
            next_ = fields_->size();
            return true;
        }
        const std::optional<qint64> number = wholeNumber((*fields_)[next_++]);
        const std::optional<qint64> value = wholeNumber((*fields_)[next_++]);
        if (!number || !value)
            return false;
        if (section == Section::BankAmount)
            bankAmount(*number, *value);
        else
            group(*number, *value);
        return true;
    }

    void bankAmount(qint64 bank, qint64 size) {
        // Sizes the bank editor refuses are passed over as well.
        if (bank < 0 || bank >= BankCount || size < 0 || size > ChannelCount)
            return;
        ds_.bank.txtBank[bank] = QString::number(size);
        ds_.BankText[bank] = ds_.bank.txtBank[bank];
        ++applied_;
    }

    void group(qint64 box, qint64 value) {
        // Row 0 has no visible boxes to clear it again: it stays clear.
        if (box < 0 || box >= GroupBoxCount || (box <= HighestGroupRowZeroBox && value == 1))
            return;
        ds_.bank.chkGrp[box] = value == 1 ? 1 : 0;
        ++applied_;
    }

    DataSet& ds_;
    const QStringList* fields_ = nullptr;
    qsizetype next_ = 0;
    int applied_ = 0;
};

// The data side of the refresh that follows an import.
void refreshAfterImport(DataSet& ds) {
    ClearDisabledEntries(ds);
    ReadBankTexts(ds);
    ReadGroupChecks(ds);
}

} // namespace

CsvFileStatus ImportCsvText(DataSet& ds, const QByteArray& text) {
    QByteArray bytes = text;
    if (bytes.startsWith("\xEF\xBB\xBF")) // a UTF-8 byte-order mark
        bytes.remove(0, 3);
    const QList<QStringList> lines = SplitCsvLines(QString::fromLatin1(bytes));

    CsvMerge merge(ds);
    CsvFileStatus status = CsvFileStatus::Ok;
    for (const QStringList& fields : lines) {
        if (!merge.line(fields)) {
            status = CsvFileStatus::FileOpenError;
            break;
        }
    }
    refreshAfterImport(ds);
    if (merge.applied() > 0)
        ds.DataChanged = true;
    return status;
}

CsvFileStatus ImportCsvFile(DataSet& ds, const QString& path) {
    const std::optional<QByteArray> text = ReadFileBytes(path);
    return text ? ImportCsvText(ds, *text) : CsvFileStatus::FileOpenError;
}

bool ImportCsvFile(DataSet& ds, const QString& path, Prompter& prompter) {
    const CsvFileStatus status = ImportCsvFile(ds, path);
    if (status != CsvFileStatus::Ok)
        prompter.error(CsvFileMessage(status));
    return status == CsvFileStatus::Ok;
}

} // namespace mtz4
