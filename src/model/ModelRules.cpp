#include "model/ModelRules.h"

#include "model/ReferenceTables.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>

namespace mtz4 {

namespace {

// The band of models 2 and 3 that contains the cellular ranges.
constexpr int CellularBand = 6;
constexpr int LastCommonStep = 15; // "1MHz"

int tableModel(int model) {
    return model >= 0 && model < ModelCount ? model : 0;
}

bool isSearchPass(int entry) {
    return entry >= FirstSearchPassEntry && entry < FirstPriorityEntry;
}

} // namespace

bool ModelOffersOption(int model, int option) {
    if (option == OptionTrainCode)
        return model == Model::MTZ4J;
    if (option == OptionSecretCode)
        return model == Model::MTZ40E;
    return true;
}

bool HasEightBands(int model) {
    return model == Model::MTZ40T || model == Model::MTZ40K;
}

bool ModelHasBand(int model, int band) {
    return band >= 0 && band < (HasEightBands(model) ? EightBandCount : BandCount);
}

bool BandOffersStep(int model, int band, int step) {
    if (band == 0)
        return step == Step1KHzCode;
    if (band == 1 && !HasEightBands(model))
        return step == Step9KHzCode;
    return step >= 0 && step <= LastCommonStep;
}

bool SearchPassUnique(const DataSet& ds, double mhz, int entry, const ReplacedEntries& replaced) {
    for (int n = FirstSearchPassEntry; n < FirstPriorityEntry; ++n) {
        if (n != entry && ds.MemEnable[n] && ds.MemData[n][Col::Freq] == mhz &&
            !(replaced && replaced(n)))
            return false;
    }
    return true;
}

FrequencyRule MemoryFrequencyRule(const DataSet& ds, int entry, double mhz,
                                  const ReplacedEntries& replaced) {
    if (mhz < LowestFrequency || mhz > HighestFrequency)
        return FrequencyRule::OutOfRange;
    if (ds.ModelIndex == Model::MTZ40T && !CellularAllowed(mhz))
        return FrequencyRule::CellularPhone;
    if (isSearchPass(entry) && !SearchPassUnique(ds, mhz, entry, replaced))
        return FrequencyRule::SearchPassDuplicate;
    return FrequencyRule::Taken;
}

FrequencyRule VfoFrequencyRule(const DataSet& ds, int band, double mhz) {
    const auto& limit = Ref().BandLimit[tableModel(ds.ModelIndex)][band];
    if (mhz < limit[0] || mhz > limit[1])
        return FrequencyRule::OutOfRange;
    if (ds.ModelIndex == Model::MTZ40T && band == CellularBand && !CellularAllowed(mhz))
        return FrequencyRule::CellularPhone;
    return FrequencyRule::Taken;
}

QString OptionRefusal(int model, int option) {
    if (ModelOffersOption(model, option))
        return {};
    return QCoreApplication::translate("ModelRules", "the %1 has no %2 option")
        .arg(ModelName(model), OptionText(option));
}

QString MemoryFrequencyRefusal(FrequencyRule rule) {
    switch (rule) {
    case FrequencyRule::CellularPhone:
        return QCoreApplication::translate("ModelRules", "a frequency of the cellular phone");
    case FrequencyRule::SearchPassDuplicate:
        return QCoreApplication::translate("ModelRules",
                                           "a frequency another Search Pass entry has");
    case FrequencyRule::OutOfRange:
        return QCoreApplication::translate("ModelRules", "a frequency outside 0.1 .. 1299.995 MHz");
    case FrequencyRule::Taken:
        break;
    }
    return {};
}

QString VfoFrequencyRefusal(const DataSet& ds, int band, FrequencyRule rule) {
    if (rule != FrequencyRule::OutOfRange)
        return MemoryFrequencyRefusal(rule);
    return QCoreApplication::translate("ModelRules", "a frequency outside band %1 %2")
        .arg(band)
        .arg(Ref().BandLabel[tableModel(ds.ModelIndex)][band]);
}

QString EntryRefusal(const DataSet& ds, int entry, const RecordFields& record, bool enabled,
                     const ReplacedEntries& replaced) {
    const int model = ds.ModelIndex;
    if (QString refusal = OptionRefusal(model, record.option); !refusal.isEmpty())
        return refusal;
    FrequencyRule rule = MemoryFrequencyRule(ds, entry, record.freq, replaced);
    // A disabled entry is emptied by the next refresh of the list: it
    // holds no frequency that another Search Pass entry could repeat.
    if (!enabled && rule == FrequencyRule::SearchPassDuplicate)
        rule = FrequencyRule::Taken;
    return MemoryFrequencyRefusal(rule);
}

QString BandRefusal(const DataSet& ds, int band, const RecordFields& record) {
    const int model = ds.ModelIndex;
    if (!ModelHasBand(model, band))
        return QCoreApplication::translate("ModelRules", "the %1 has no band %2")
            .arg(ModelName(model))
            .arg(band);
    if (QString refusal = OptionRefusal(model, record.option); !refusal.isEmpty())
        return refusal;
    // A step the band lacks is not refused: the dialog shows the band's own
    // step for it and keeps the stored one until OK, as it does for a record
    // read from the receiver.
    return VfoFrequencyRefusal(ds, band, VfoFrequencyRule(ds, band, record.freq));
}

} // namespace mtz4
