// The clone-file load routine on any bytes: it refuses them leaving the data
// set as it was, or loads them so that saving and loading again gives the
// same data (but for option codes the model cannot hold, which are saved as
// "OFF") and the same file.
#include "DataSetChecks.h"
#include "FuzzTarget.h"
#include "files/CloneFile.h"
#include "files/CloneFileLayout.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"

#include <QRandomGenerator>
#include <memory>

namespace mtz4::fuzz {

namespace {

// A written file with the lines of all notes and of all but every 97th
// entry left empty (a short line loads as an erased entry): small enough
// for the length limit in fuzz/options/clone_file, under which each
// mutation reaches more of the file's parts.
QByteArray compact(const QByteArray& file) {
    QList<QByteArray> lines = file.split('\n'); // each keeps its CR
    for (int e = 0; e < EntryCount; ++e) {
        lines[CloneFileLine::FirstEntryNote + e] = "\r";
        if (e % 97 != 0)
            lines[CloneFileLine::FirstEntry + e] = "\r";
    }
    for (int b = 0; b < BandCount; ++b)
        lines[CloneFileLine::FirstBandNote + b] = "\r";
    return lines.join('\n');
}

} // namespace

QList<QByteArray> seeds() {
    QList<QByteArray> files;
    const auto add = [&files](DataSet& ds) {
        files.append(CloneFileText(ds));
        files.append(compact(files.last()));
    };
    for (int model = 0; model < ModelCount; ++model) {
        auto ds = std::make_unique<DataSet>();
        MakeFactoryDataSet(*ds, model);
        add(*ds);
    }
    QRandomGenerator rng(20261208);
    for (int model = 0; model < ModelCount; ++model) {
        auto ds = std::make_unique<DataSet>();
        test::FillRandomDataSet(*ds, rng, model);
        add(*ds);
    }
    return files;
}

void fuzzOne(QByteArrayView input) {
    FactorySets sets;
    DataSet& first = sets.take(0);
    if (ParseCloneFileText(first, input.toByteArray()) != CloneFileStatus::Ok) {
        checkSameTables(first, factoryDataSet());
        return;
    }
    checkFrequencies(first);
    const QByteArray saved = CloneFileText(first);
    DataSet& second = sets.take(1);
    FUZZ_CHECK(ParseCloneFileText(second, saved) == CloneFileStatus::Ok);
    applyOptionRule(first);
    checkSameTables(first, second);
    FUZZ_CHECK(CloneFileText(second) == saved);
}

} // namespace mtz4::fuzz
