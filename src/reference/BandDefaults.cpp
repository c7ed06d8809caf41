#include "reference/BandDefaults.h"

#include "model/DataSet.h"
#include "model/ReferenceTables.h"
#include "reference/VfoDefaults.h"

#include <memory>

namespace mtz4 {

namespace {

// The factory VFO records of each model, made once.
const DataSet& factoryBands(int model) {
    static const std::array<std::unique_ptr<DataSet>, ModelCount> sets = [] {
        std::array<std::unique_ptr<DataSet>, ModelCount> made;
        for (int m = 0; m < ModelCount; ++m) {
            made[m] = std::make_unique<DataSet>();
            made[m]->ModelIndex = m;
            VfoDefaults(*made[m]);
        }
        return made;
    }();
    return *sets[model];
}

} // namespace

BandDefault BandDefaultOf(int model, double mhz) {
    const int m = model >= 0 && model < ModelCount ? model : 0;
    const auto& limits = Ref().BandLimit[m];
    for (int b = 0; b < BandCount; ++b) {
        if (limits[b][1] > 0.0 && mhz >= limits[b][0] && mhz <= limits[b][1]) {
            const auto& record = factoryBands(m).VfoData[b];
            return {b, int(record[Col::Mode]), int(record[Col::Step])};
        }
    }
    return {};
}

} // namespace mtz4
