// The clone-file load routine on any bytes: it refuses them leaving the data
// set as it was, or loads them so that saving and loading again gives the
// same data (but for option codes the model cannot hold, which are saved as
// "OFF") and the same file.
#include "DataSetChecks.h"
#include "FuzzTarget.h"
#include "files/CloneFile.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"

#include <QRandomGenerator>
#include <memory>

namespace mtz4::fuzz {

QList<QByteArray> seeds() {
    QList<QByteArray> files;
    for (int model = 0; model < ModelCount; ++model) {
        auto ds = std::make_unique<DataSet>();
        MakeFactoryDataSet(*ds, model);
        files.append(CloneFileText(*ds));
    }
    QRandomGenerator rng(20261208);
    for (int model = 0; model < ModelCount; ++model) {
        auto ds = std::make_unique<DataSet>();
        test::FillRandomDataSet(*ds, rng, model);
        files.append(CloneFileText(*ds));
    }
    return files;
}

void fuzzOne(QByteArrayView input) {
    auto first = std::make_unique<DataSet>(factoryDataSet());
    if (ParseCloneFileText(*first, input.toByteArray()) != CloneFileStatus::Ok) {
        checkSameTables(*first, factoryDataSet());
        return;
    }
    checkFrequencies(*first);
    const QByteArray saved = CloneFileText(*first);
    auto second = std::make_unique<DataSet>(factoryDataSet());
    FUZZ_CHECK(ParseCloneFileText(*second, saved) == CloneFileStatus::Ok);
    applyOptionRule(*first);
    checkSameTables(*first, *second);
    FUZZ_CHECK(CloneFileText(*second) == saved);
}

} // namespace mtz4::fuzz
