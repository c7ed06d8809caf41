#include "files/CsvMerge.h"

#include "files/CsvEntryIndex.h"
#include "files/CsvWords.h"
#include "model/ModelRules.h"
#include "model/NumericText.h"
#include "model/ReferenceTables.h"
#include "model/TextFit.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <optional>

namespace mtz4 {

namespace {

constexpr int HighestGroupRowZeroBox = BankCount - 1; // boxes 0..49: row 0, never shown

// The keys of the targets a line applies to, for telling a target given again.
int bandKey(int band) {
    return EntryCount + band;
}
int bankKey(int bank) {
    return EntryCount + BandCount + bank;
}
int groupKey(int box) {
    return EntryCount + BandCount + BankCount + box;
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
    const std::optional<double> number = ParseNumber(field);
    if (!number)
        return std::nullopt;
    return RoundHalfEven(*number);
}

bool isModelWord(const QString& field) {
    return field.trimmed() == CsvWord::Model;
}

bool isHeader(const QStringList& fields) {
    return fields.first().trimmed().compare(QLatin1String("MODEL"), Qt::CaseInsensitive) == 0;
}

bool isBlank(const QStringList& fields) {
    for (const QString& field : fields) {
        if (!field.trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace

CsvMerge::CsvMerge(DataSet& ds, ImportReport& report, EntryPlacement* placement)
    : ds_(ds), report_(report), placement_(placement) {}

QString CsvMerge::upper(const QString& text) const {
    return UpperCaseAscii(text.trimmed());
}

QString CsvMerge::where(const QString& section, const QString& channel) const {
    if (channel.isEmpty())
        return QCoreApplication::translate("CsvMerge", "line %1 (%2)")
            .arg(lineNumber_)
            .arg(section);
    return QCoreApplication::translate("CsvMerge", "line %1 (%2 %3)")
        .arg(lineNumber_)
        .arg(section, channel);
}

void CsvMerge::skip(const QString& where, const QString& reason) {
    report_.skipped << where + QStringLiteral(": ") + reason;
}

void CsvMerge::applied(const QString& where, const QStringList& changes,
                       std::optional<int> target) {
    const auto earlier = target ? applied_.constFind(*target) : applied_.cend();
    if (earlier != applied_.cend()) {
        // The earlier line is overwritten whole: it counts no more.
        if (earlier->changedLine >= 0)
            report_.changed[earlier->changedLine].clear();
        skip(earlier->where,
             QCoreApplication::translate("CsvMerge", "given again in %1, which is taken")
                 .arg(where));
        --report_.imported;
    }
    ++report_.imported;
    qsizetype changedLine = -1;
    if (!changes.isEmpty()) {
        changedLine = report_.changed.size();
        report_.changed << ChangedRow(where, changes);
    }
    if (target)
        applied_.insert(*target, {where, changedLine});
}

qsizetype CsvMerge::extraFieldsEnd() const {
    qsizetype end = next_;
    while (end < fields_->size() && !isModelWord((*fields_)[end]))
        ++end;
    return end;
}

bool CsvMerge::line(const QStringList& fields, int number) {
    if (fields.isEmpty() || isBlank(fields))
        return true;
    fields_ = &fields;
    lineNumber_ = number;
    next_ = 0;
    bool modelWord = false;
    while (next_ < fields.size()) {
        // Anything up to the model word is passed over: the header line,
        // and what is left of a line that was not usable.
        if (!isModelWord(fields[next_++]) || next_ >= fields.size())
            continue;
        modelWord = true;
        const QString word = upper(fields[next_++]);
        static const std::pair<QLatin1String, Section> words[] = {
            {CsvWord::Vfo, Section::Vfo},
            {CsvWord::Memory, Section::Memory},
            {CsvWord::ProgramScan, Section::ProgramScan},
            {CsvWord::SearchPass, Section::SearchPass},
            {CsvWord::Priority, Section::Priority},
            {CsvWord::BankAmount, Section::BankAmount},
            {CsvWord::Group, Section::Group},
        };
        Section section = Section::None;
        for (const auto& [sectionWord, s] : words) {
            if (word == sectionWord)
                section = s;
        }
        if ((section == Section::BankAmount || section == Section::Group) && placed()) {
            ++leftOut_;
            next_ = extraFieldsEnd();
        } else if (section == Section::BankAmount || section == Section::Group) {
            if (!numberPair(section, word))
                return false;
        } else if (section != Section::None) {
            record(section, word);
        } else {
            skip(where(word, {}), QCoreApplication::translate("CsvMerge", "an unknown section"));
        }
    }
    if (!modelWord && !isHeader(fields))
        skip(QCoreApplication::translate("CsvMerge", "line %1").arg(number),
             QCoreApplication::translate("CsvMerge", "no \"MT-Z4\" field: not a line of the file"));
    return true;
}

void CsvMerge::record(Section section, const QString& sectionWord) {
    const QString channel = has(1) ? upper((*fields_)[next_++]) : QString();
    const QString at = where(sectionWord, channel);
    if (channel.isEmpty()) {
        skip(at, QCoreApplication::translate("CsvMerge", "no CHANNEL field"));
        return;
    }
    int target = -1;
    QString noTarget;
    switch (section) {
    case Section::Vfo:
        target = numberedTarget(channel, BandCount - 1);
        noTarget = QCoreApplication::translate("CsvMerge", "no such band (0 to 13)");
        break;
    case Section::Memory:
        target = numberedTarget(channel, ChannelCount - 1);
        noTarget = QCoreApplication::translate("CsvMerge", "no such memory channel (0 to 999)");
        break;
    case Section::ProgramScan:
        target = ParseProgramScanIndex(channel);
        noTarget =
            QCoreApplication::translate("CsvMerge", "no such Program Scan entry (P0A to P49B)");
        break;
    case Section::SearchPass:
        target = ParseSearchPassIndex(channel);
        noTarget = QCoreApplication::translate("CsvMerge", "no such Search Pass entry (0 to 99)");
        break;
    case Section::Priority:
        target = ParsePriorityIndex(channel);
        noTarget =
            QCoreApplication::translate("CsvMerge", "the import takes Priority lines 0 to 9 only");
        break;
    case Section::None:
    case Section::BankAmount:
    case Section::Group:
        return;
    }
    const bool complete = has(CsvRecordFields);
    const QString freq = complete ? (*fields_)[next_].trimmed() : QString();
    if (complete && (freq.isEmpty() || ParseNumber(freq) == 0.0)) {
        // An exported empty entry or band: it leaves the target as it is.
        ++withoutFrequency_;
        if (target >= 0)
            next_ += CsvRecordFields;
        return;
    }
    if (section == Section::Vfo && placed()) {
        ++leftOut_;
        next_ = extraFieldsEnd();
        return;
    }
    if (target < 0 && !placed()) {
        skip(at, noTarget);
        return;
    }
    if (!complete) {
        skip(at, QCoreApplication::translate("CsvMerge", "too few fields"));
        return;
    }
    if (section == Section::Vfo && !ModelHasBand(ds_.ModelIndex, target)) {
        // Every export writes all 14 bands; the MT-Z40T and MT-Z40K keep
        // those they lack as they are.
        ++bandsLacked_;
        next_ += CsvRecordFields;
        return;
    }
    const QStringList values = fields_->mid(next_, CsvRecordFields);
    next_ += CsvRecordFields;
    const qsizetype extraEnd = extraFieldsEnd();
    for (qsizetype i = next_; i < extraEnd; ++i) {
        if (!(*fields_)[i].trimmed().isEmpty()) {
            next_ = extraEnd;
            skip(at, ExtraFieldsReason());
            return;
        }
    }
    QString whyNot;
    QStringList changes;
    const std::optional<CsvRecord> r =
        ParseCsvRecord(values, CsvTexts::UpperCase, ds_.NoteCodePage, &whyNot, &changes);
    if (!r) {
        skip(at, whyNot);
        return;
    }
    if (placed()) {
        place(section, target, at, *r, changes);
        return;
    }
    if (section == Section::SearchPass) {
        searchPass_.append({target, *r, at, changes});
        return;
    }
    const RecordFields coded = FieldsOf(r->data);
    const QString refusal = section == Section::Vfo ? BandRefusal(ds_, target, coded)
                                                    : EntryRefusal(ds_, target, coded, r->enable);
    if (!refusal.isEmpty()) {
        skip(at, refusal);
        return;
    }
    if (section == Section::Vfo)
        StoreCsvBand(ds_, target, *r);
    else
        StoreCsvEntry(ds_, target, *r);
    applied(at, changes, section == Section::Vfo ? bandKey(target) : target);
}

void CsvMerge::place(Section section, int numbered, const QString& at, const CsvRecord& record,
                     const QStringList& changes) {
    const ImportList list = section == Section::ProgramScan  ? ImportList::ProgramScan
                            : section == Section::SearchPass ? ImportList::SearchPass
                            : section == Section::Priority   ? ImportList::Priority
                                                             : ImportList::Channels;
    QString whyNot;
    const int entry = placement_->target(ds_, list, numbered, &whyNot);
    if (entry < 0) {
        skip(at, whyNot);
        return;
    }
    const QString refusal = EntryRefusal(ds_, entry, FieldsOf(record.data), record.enable);
    if (!refusal.isEmpty()) {
        skip(at, refusal);
        return;
    }
    placement_->taken(entry);
    StoreCsvEntry(ds_, entry, record);
    applied(at, changes, std::nullopt);
}

bool CsvMerge::numberPair(Section section, const QString& sectionWord) {
    if (!has(2)) {
        skip(where(sectionWord, {}), QCoreApplication::translate("CsvMerge", "too few fields"));
        next_ = fields_->size();
        return true;
    }
    const std::optional<qint64> number = wholeNumber((*fields_)[next_++]);
    const std::optional<qint64> value = wholeNumber((*fields_)[next_++]);
    if (!number || !value) {
        report_.stoppedLine = lineNumber_;
        report_.stoppedAt = where(sectionWord, {}) + QStringLiteral(": ") +
                            QCoreApplication::translate("CsvMerge", "\"%1\" is not a number")
                                .arg((*fields_)[number ? next_ - 1 : next_ - 2]);
        return false;
    }
    const QString at = where(sectionWord, QString::number(*number));
    if (section == Section::BankAmount) {
        // Sizes the bank editor refuses are passed over as well.
        if (*number < 0 || *number >= BankCount) {
            skip(at, QCoreApplication::translate("CsvMerge", "no such bank (0 to 49)"));
        } else if (*value < 0 || *value > ChannelCount) {
            skip(at, QCoreApplication::translate("CsvMerge", "a bank size outside 0 to 1000"));
        } else {
            ds_.bank.txtBank[*number] = QString::number(*value);
            ds_.BankText[*number] = ds_.bank.txtBank[*number];
            applied(at, {}, bankKey(int(*number)));
        }
        return true;
    }
    if (*number < 0 || *number >= GroupBoxCount) {
        skip(at, QCoreApplication::translate("CsvMerge", "no such group box (0 to 549)"));
    } else if (*number <= HighestGroupRowZeroBox && *value == 1) {
        // Row 0 has no visible boxes to clear it again: it stays clear.
        skip(at,
             QCoreApplication::translate("CsvMerge", "group row 0 is never shown and stays clear"));
    } else {
        ds_.bank.chkGrp[*number] = *value == 1 ? 1 : 0;
        applied(at, {}, groupKey(int(*number)));
    }
    return true;
}

void CsvMerge::finish() {
    // The last line for each Search Pass entry: an entry that a later line
    // replaces holds no frequency that an earlier line could repeat.
    std::array<int, EntryCount> lastLine;
    lastLine.fill(-1);
    for (int i = 0; i < searchPass_.size(); ++i)
        lastLine[searchPass_[i].entry] = i;
    for (int i = 0; i < searchPass_.size(); ++i) {
        const Pending& p = searchPass_[i];
        const QString refusal = EntryRefusal(ds_, p.entry, FieldsOf(p.record.data), p.record.enable,
                                             [&lastLine, i](int n) { return lastLine[n] > i; });
        if (!refusal.isEmpty()) {
            skip(p.where, refusal);
            continue;
        }
        StoreCsvEntry(ds_, p.entry, p.record);
        applied(p.where, p.changes, p.entry);
    }
    searchPass_.clear();
    report_.changed.removeAll(QString());
    if (withoutFrequency_ > 0)
        report_.notes.prepend(QCoreApplication::translate(
            "CsvMerge",
            "%n lines without a frequency passed over: their entries and bands keep what "
            "they held",
            nullptr, withoutFrequency_));
    withoutFrequency_ = 0;
    if (bandsLacked_ > 0)
        report_.notes.append(
            QCoreApplication::translate(
                "CsvMerge", "%n lines of VFO bands the %1 lacks passed over", nullptr, bandsLacked_)
                .arg(ModelName(ds_.ModelIndex)));
    bandsLacked_ = 0;
    if (leftOut_ > 0)
        report_.notes.append(
            QCoreApplication::translate("CsvMerge",
                                        "%n VFO, bank size and group lines left out: an import to "
                                        "a destination takes the entries only",
                                        nullptr, leftOut_));
    leftOut_ = 0;
}

} // namespace mtz4
