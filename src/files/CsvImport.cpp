#include "files/CsvEntryIndex.h"
#include "files/CsvFields.h"
#include "files/CsvFile.h"
#include "files/CsvRecord.h"
#include "files/CsvWords.h"
#include "files/FileBytes.h"
#include "files/TextFileEncoding.h"
#include "model/BankCodec.h"
#include "model/EntryOps.h"
#include "model/GroupCodec.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"
#include "model/TextFit.h"
#include "reference/ReferenceTables.h"

#include <QRegularExpression>
#include <optional>

namespace mtz4 {

namespace {

constexpr int HighestGroupRowZeroBox = BankCount - 1; // boxes 0..49: row 0, never shown

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
    CsvMerge(DataSet& ds, ImportReport& report) : ds_(ds), report_(report) {}

    // Applies every record of line `number` (from 1); false when a bank or
    // group line holds a number field that is not a number.
    bool line(const QStringList& fields, int number) {
        fields_ = &fields;
        lineNumber_ = number;
        next_ = 0;
        while (next_ < fields.size()) {
            // Anything up to the model word is passed over: the header line,
            // and what is left of a line that was not usable.
            if (fields[next_++] != CsvWord::Model || next_ >= fields.size())
                continue;
            const Section section = sectionOf(upper(fields[next_++]));
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
    QString upper(const QString& text) const { return UpperCaseIn(text, ds_.NoteCodePage); }

    void record(Section section) {
        if (!has(1))
            return;
        const QString sectionWord = upper((*fields_)[next_ - 1]);
        const QString channel = upper((*fields_)[next_++]);
        if (channel.isEmpty())
            return;
        const int target = targetOf(section, channel);
        if (target < 0 || !has(CsvRecordFields))
            return;
        const QStringList values = fields_->mid(next_, CsvRecordFields);
        next_ += CsvRecordFields;
        QStringList changes;
        const std::optional<CsvRecord> r =
            ParseCsvRecord(values, CsvTexts::UpperCase, ds_.NoteCodePage, nullptr, &changes);
        if (!r)
            return;
        if (section == Section::Vfo)
            StoreCsvBand(ds_, target, *r);
        else
            StoreCsvEntry(ds_, target, *r);
        ++applied_;
        ++report_.imported;
        if (!changes.isEmpty())
            report_.changed << ChangedRow(
                QStringLiteral("line %1 (%2 %3)").arg(lineNumber_).arg(sectionWord, channel),
                changes);
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
    ImportReport& report_;
    const QStringList* fields_ = nullptr;
    int lineNumber_ = 0;
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

CsvFileStatus ImportCsvText(DataSet& ds, const QByteArray& text, ImportReport* report) {
    const QList<QStringList> lines = SplitCsvLines(ImportFileText(text, ds.NoteCodePage));

    ImportReport ownReport;
    CsvMerge merge(ds, report ? *report : ownReport);
    CsvFileStatus status = CsvFileStatus::Ok;
    int number = 0;
    for (const QStringList& fields : lines) {
        if (!merge.line(fields, ++number)) {
            status = CsvFileStatus::FileOpenError;
            break;
        }
    }
    refreshAfterImport(ds);
    if (merge.applied() > 0)
        ds.DataChanged = true;
    return status;
}

CsvFileStatus ImportCsvFile(DataSet& ds, const QString& path, ImportReport* report) {
    const std::optional<QByteArray> text = ReadFileBytes(path);
    return text ? ImportCsvText(ds, *text, report) : CsvFileStatus::FileOpenError;
}

bool ImportCsvFile(DataSet& ds, const QString& path, Prompter& prompter, ImportReport* report) {
    const CsvFileStatus status = ImportCsvFile(ds, path, report);
    if (status != CsvFileStatus::Ok)
        prompter.error(CsvFileMessage(status));
    return status == CsvFileStatus::Ok;
}

} // namespace mtz4
