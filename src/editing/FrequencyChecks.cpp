#include "editing/FrequencyChecks.h"

#include "model/Limits.h"
#include "model/NumericText.h"
#include "reference/ReferenceTables.h"

namespace mtz4 {

namespace {

// The band of models 2 and 3 that contains the cellular ranges.
constexpr int CellularBand = 6;

FieldCheck Refuse(const QString& restored, std::optional<Prompt> message = std::nullopt) {
    return {false, restored, std::move(message)};
}

FieldCheck Accept(double value) {
    return {true, FormatMHz(value), std::nullopt};
}

} // namespace

Prompt CellularPhonePrompt() {
    return {
        QStringLiteral("It is a frequency of the cellular phone.\r\nIt is not possible to set it."),
        QStringLiteral("Frequency of the cellular phone"), PromptIcon::Critical, PromptButtons::Ok,
        PromptAnswer::Ok};
}

Prompt SearchPassDuplicatePrompt() {
    return {
        QStringLiteral("The same frequency as other channels cannot be set in Search Pass bank."),
        QStringLiteral("ERROR"), PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok};
}

bool SearchPassUnique(const DataSet& ds, double mhz, int entry) {
    for (int n = FirstSearchPassEntry; n < FirstPriorityEntry; ++n) {
        if (n != entry && ds.MemEnable[n] && ds.MemData[n][Col::Freq] == mhz)
            return false;
    }
    return true;
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
    const double f = NumericValue(typed);
    const QString restored = StoredMemoryFrequencyText(ds, entry);
    if (f < LowestFrequency || f > HighestFrequency)
        return Refuse(restored);
    if (ds.ModelIndex == Model::MTZ40T && !CellularAllowed(f))
        return Refuse(restored, CellularPhonePrompt());
    const bool searchPass = entry >= FirstSearchPassEntry && entry < FirstPriorityEntry;
    if (searchPass && !SearchPassUnique(ds, f, entry))
        return Refuse(restored, SearchPassDuplicatePrompt());
    return Accept(f);
}

FieldCheck CheckVfoFrequency(const DataSet& ds, int band, const QString& typed) {
    const double f = NumericValue(typed);
    const QString& restored = ds.VfoText[band][Col::Freq];
    const int model = ds.ModelIndex >= 0 && ds.ModelIndex < ModelCount ? ds.ModelIndex : 0;
    const auto& limit = Ref().BandLimit[model][band];
    if (f < limit[0] || f > limit[1])
        return Refuse(restored);
    if (ds.ModelIndex == Model::MTZ40T && band == CellularBand && !CellularAllowed(f))
        return Refuse(restored, CellularPhonePrompt());
    return Accept(f);
}

FieldCheck CheckOffset(const DataSet& ds, bool memory, int index, const QString& typed) {
    const double v = NumericValue(typed);
    if (v >= 0.0 && v < OffsetLimit)
        return Accept(v);
    const double stored =
        memory ? ds.MemData[index][Col::Shift] : NumericValue(ds.VfoText[index][Col::Shift]);
    return Refuse(FormatMHz(stored));
}

} // namespace mtz4
