#include "editing/FrequencyChecks.h"

#include "model/Limits.h"
#include "model/ModelRules.h"
#include "model/NumericText.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>

namespace mtz4 {

namespace {

FieldCheck Refuse(const QString& restored, const QString& reason,
                  std::optional<Prompt> message = std::nullopt) {
    return {false, restored, std::move(message), reason};
}

FieldCheck Accept(double value) {
    return {true, FormatMHz(value), std::nullopt, {}};
}

// The frequency accepted, or the stored text back with the rule's message
// and reason.
FieldCheck checked(FrequencyRule rule, double f, const QString& restored, const QString& reason) {
    switch (rule) {
    case FrequencyRule::Taken:
        break;
    case FrequencyRule::OutOfRange:
        return Refuse(restored, reason);
    case FrequencyRule::CellularPhone:
        return Refuse(restored, reason, CellularPhonePrompt());
    case FrequencyRule::SearchPassDuplicate:
        return Refuse(restored, reason, SearchPassDuplicatePrompt());
    }
    return Accept(f);
}

} // namespace

Prompt CellularPhonePrompt() {
    return {QCoreApplication::translate(
                "FrequencyChecks",
                "It is a frequency of the cellular phone.\r\nIt is not possible to set it."),
            QCoreApplication::translate("FrequencyChecks", "Frequency of the cellular phone"),
            PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok};
}

Prompt SearchPassDuplicatePrompt() {
    return {QCoreApplication::translate(
                "FrequencyChecks",
                "The same frequency as other channels cannot be set in Search Pass bank."),
            ErrorText(), PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok};
}

QString StoredMemoryFrequencyText(const DataSet& ds, int entry) {
    const bool hasFrequency =
        ds.MemData[entry][Col::Freq] != 0.0 && !ds.MemText[entry][Col::Freq].isEmpty();
    return hasFrequency ? ds.MemText[entry][Col::Freq] : QStringLiteral("145.000000");
}

bool IsStoredFrequency(const DataSet& ds, bool memory, int index, const QString& text) {
    if (!memory)
        return text == ds.VfoText[index][Col::Freq];
    const bool hasFrequency =
        ds.MemData[index][Col::Freq] != 0.0 && !ds.MemText[index][Col::Freq].isEmpty();
    return hasFrequency && text == ds.MemText[index][Col::Freq];
}

bool IsStoredOffset(const DataSet& ds, bool memory, int index, const QString& text) {
    const QString& stored = memory ? ds.MemText[index][Col::Shift] : ds.VfoText[index][Col::Shift];
    return !stored.isEmpty() && text == stored;
}

FieldCheck CheckMemoryFrequency(const DataSet& ds, int entry, const QString& typed) {
    const double f = TypedNumericValue(typed);
    const FrequencyRule rule = MemoryFrequencyRule(ds, entry, f);
    return checked(rule, f, StoredMemoryFrequencyText(ds, entry), MemoryFrequencyRefusal(rule));
}

FieldCheck CheckVfoFrequency(const DataSet& ds, int band, const QString& typed) {
    const double f = TypedNumericValue(typed);
    const FrequencyRule rule = VfoFrequencyRule(ds, band, f);
    return checked(rule, f, ds.VfoText[band][Col::Freq], VfoFrequencyRefusal(ds, band, rule));
}

FieldCheck CheckOffset(const DataSet& ds, bool memory, int index, const QString& typed) {
    const double v = TypedNumericValue(typed);
    if (v >= 0.0 && v < OffsetLimit)
        return Accept(v);
    const double stored =
        memory ? ds.MemData[index][Col::Shift] : NumericValue(ds.VfoText[index][Col::Shift]);
    return Refuse(
        FormatMHz(stored),
        QCoreApplication::translate("FrequencyChecks", "an offset outside 0 .. 99.999999 MHz"));
}

QString RefusedValueText(const QString& where, const QString& typed, const QString& reason) {
    return QCoreApplication::translate("FrequencyChecks", "%1: \"%2\" was not taken: %3")
        .arg(where, typed, reason);
}

} // namespace mtz4
