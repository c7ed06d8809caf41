// The CSV import on any bytes: whatever it merges into a data set keeps
// every record sound (frequencies 0.1 .. 1299.995 MHz or none, offsets below
// 100 MHz, names of 6 printable characters at most, secret codes 0..28,
// bank sizes 0..1000), so that the data set saves as a clone file that
// loads again.
#include "DataSetChecks.h"
#include "FuzzTarget.h"
#include "files/CloneFile.h"
#include "files/CsvFile.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"

#include <QRandomGenerator>
#include <memory>

namespace mtz4::fuzz {

QList<QByteArray> seeds() {
    QList<QByteArray> files{CsvFileText(factoryDataSet())};
    QRandomGenerator rng(20261208);
    for (int model = 0; model < ModelCount; ++model) {
        auto ds = std::make_unique<DataSet>();
        test::FillRandomDataSet(*ds, rng, model);
        files.append(CsvFileText(*ds));
    }
    return files;
}

void fuzzOne(QByteArrayView input) {
    auto ds = std::make_unique<DataSet>(factoryDataSet());
    ImportCsvText(*ds, input.toByteArray());
    for (int e = 0; e < EntryCount; ++e) {
        const auto& data = ds->MemData[e];
        FUZZ_CHECK(data[Col::Freq] == 0.0 ||
                   (data[Col::Freq] >= 0.1 && data[Col::Freq] <= 1299.995));
        FUZZ_CHECK(data[Col::Shift] >= 0.0 && data[Col::Shift] < 100.0);
        FUZZ_CHECK(data[Col::Secret] >= 0 && data[Col::Secret] <= 28);
        const QString& name = ds->MemText[e][Col::Name];
        FUZZ_CHECK(name.size() <= 6);
        for (const QChar c : name)
            FUZZ_CHECK(c.unicode() >= 32 && c.unicode() <= 126);
    }
    for (int b = 0; b < BankCount; ++b)
        FUZZ_CHECK(ds->BankSize[b] >= 0 && ds->BankSize[b] <= ChannelCount);
    checkFrequencies(*ds);

    const QByteArray saved = CloneFileText(*ds);
    auto loaded = std::make_unique<DataSet>(factoryDataSet());
    FUZZ_CHECK(ParseCloneFileText(*loaded, saved) == CloneFileStatus::Ok);
}

} // namespace mtz4::fuzz
