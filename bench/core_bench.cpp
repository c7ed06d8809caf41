// The core with Google Benchmark: the codecs over a whole data set, the clone
// file and the CSV file, on a data set with all 1300 memory entries in use.
// bench/run.sh runs it; its own options (--benchmark_repetitions=...) work too.
#include "BenchData.h"
#include "files/CloneFile.h"
#include "files/CsvFile.h"
#include "model/BankCodec.h"
#include "model/EnableCodec.h"
#include "model/GroupCodec.h"
#include "model/SettingsCodec.h"

#include <QTemporaryDir>
#include <array>
#include <benchmark/benchmark.h>

using namespace mtz4;

namespace {

// Every table of the data set from its image texts, as a clone read or a
// clone file load decodes them.
void BM_DecodeDataSet(benchmark::State& state) {
    auto ds = bench::benchDataSet();
    std::array<QString, EntryCount> records;
    for (int n = 0; n < EntryCount; ++n)
        records[n] = QStringLiteral("\r\n") + EncodeMem(*ds, n);
    std::array<QString, BandCount> bands;
    for (int b = 0; b < BandCount; ++b)
        bands[b] = QStringLiteral("\r\n") + EncodeVFO(*ds, b);
    EncodeSettings(*ds);
    EncodeBanks(*ds);
    EncodeGroups(*ds);
    EncodeEnable(*ds);
    for (auto _ : state) {
        for (int n = 0; n < EntryCount; ++n)
            DecodeMem(*ds, records[n], n);
        for (int b = 0; b < BandCount; ++b)
            DecodeVFO(*ds, bands[b], b);
        DecodeSettings(*ds);
        DecodeBanks(*ds);
        DecodeGroups(*ds);
        DecodeEnable(*ds);
        benchmark::DoNotOptimize(ds->MemData[EntryCount - 1][0]);
    }
}
BENCHMARK(BM_DecodeDataSet)->Unit(benchmark::kMillisecond);

// Every image text from the tables, as a clone write or a clone file save
// encodes them.
void BM_EncodeDataSet(benchmark::State& state) {
    auto ds = bench::benchDataSet();
    for (auto _ : state) {
        for (int n = 0; n < EntryCount; ++n)
            benchmark::DoNotOptimize(EncodeMem(*ds, n));
        for (int b = 0; b < BandCount; ++b)
            benchmark::DoNotOptimize(EncodeVFO(*ds, b));
        EncodeSettings(*ds);
        EncodeBanks(*ds);
        EncodeGroups(*ds);
        EncodeEnable(*ds);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EncodeDataSet)->Unit(benchmark::kMillisecond);

// A scratch directory with a clone file and a CSV file of the data set.
struct Files {
    QTemporaryDir dir;
    QString clone = dir.filePath(QStringLiteral("bench.MZ4"));
    QString csv = dir.filePath(QStringLiteral("bench.csv"));
    std::unique_ptr<DataSet> ds = bench::benchDataSet();
    Files() {
        SaveCloneFile(*ds, clone);
        ExportCsvFile(*ds, csv);
    }
};

void BM_LoadCloneFile(benchmark::State& state) {
    Files files;
    for (auto _ : state) {
        if (ReadCloneFile(*files.ds, files.clone) != CloneFileStatus::Ok)
            state.SkipWithError("the clone file did not load");
    }
}
BENCHMARK(BM_LoadCloneFile)->Unit(benchmark::kMillisecond);

void BM_SaveCloneFile(benchmark::State& state) {
    Files files;
    for (auto _ : state) {
        if (SaveCloneFile(*files.ds, files.clone) != CloneFileStatus::Ok)
            state.SkipWithError("the clone file was not written");
    }
}
BENCHMARK(BM_SaveCloneFile)->Unit(benchmark::kMillisecond);

void BM_ExportCsv(benchmark::State& state) {
    Files files;
    for (auto _ : state) {
        if (ExportCsvFile(*files.ds, files.csv) != CsvFileStatus::Ok)
            state.SkipWithError("the CSV file was not written");
    }
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

void BM_ImportCsv(benchmark::State& state) {
    Files files;
    for (auto _ : state) {
        if (ImportCsvFile(*files.ds, files.csv) != CsvFileStatus::Ok)
            state.SkipWithError("the CSV file did not import");
    }
}
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
