// The CSV import on any bytes: whatever it merges into a data set keeps
// every record sound (frequencies 0.1 .. 1299.995 MHz or none, offsets below
// 100 MHz, names of 6 printable characters at most, secret codes 0..28,
// bank sizes 0..1000), and what a save writes of them is data lines of hex
// digits alone, the only kind the clone file's loader takes.
#include "DataSetChecks.h"
#include "FuzzTarget.h"
#include "files/CloneFileLayout.h"
#include "files/CsvFile.h"
#include "model/BankCodec.h"
#include "model/RecordCodec.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"

#include <QRandomGenerator>
#include <memory>

namespace mtz4::fuzz {

namespace {

// An export cut down to its heading and every 50th line: small enough for
// the length limit in fuzz/options/csv_import, under which each mutation
// reaches more of the lines' fields.
QByteArray compact(const QByteArray& file) {
    const QList<QByteArray> lines = file.split('\n'); // each keeps its CR
    QByteArray kept;
    for (qsizetype i = 0; i < lines.size(); i += 50)
        kept += lines[i] + '\n';
    return kept;
}

} // namespace

QList<QByteArray> seeds() {
    QList<QByteArray> files{CsvFileText(factoryDataSet())};
    QRandomGenerator rng(20261208);
    for (int model = 0; model < ModelCount; ++model) {
        auto ds = std::make_unique<DataSet>();
        test::FillRandomDataSet(*ds, rng, model);
        files.append(CsvFileText(*ds));
    }
    for (qsizetype i = 0, written = files.size(); i < written; ++i)
        files.append(compact(files[i]));
    return files;
}

void fuzzOne(QByteArrayView input) {
    FactorySets sets;
    DataSet* const ds = &sets.take(0);
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

    // What a save writes for them: data lines of hex digits alone, which the
    // clone file's loader takes (its own target fuzzes the rest of a load).
    // An entry the import left as it was encodes as before.
    const DataSet& before = factoryDataSet();
    for (int e = 0; e < EntryCount; ++e)
        if (ds->MemData[e] != before.MemData[e] || ds->MemText[e] != before.MemText[e])
            FUZZ_CHECK(isHexLine(EncodeMem(*ds, e)));
    EncodeBanks(*ds);
    for (int i = 0; i < CloneFileLine::BankCount; ++i)
        FUZZ_CHECK(isHexLine(ds->BankLines[i]));
}

} // namespace mtz4::fuzz
