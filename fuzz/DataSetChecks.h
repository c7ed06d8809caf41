#pragma once

// Data sets and checks on them shared by the fuzz targets.

#include "FuzzTarget.h"
#include "model/DataSet.h"
#include "model/Limits.h"
#include "reference/FactoryData.h"

#include <algorithm>
#include <array>
#include <memory>

namespace mtz4::fuzz {

// One data set in its initial state, made once and reused by every input of
// a target whose decoders overwrite all they read (a data set is large).
inline DataSet& reusedDataSet() {
    static const std::unique_ptr<DataSet> ds = [] {
        auto made = std::make_unique<DataSet>();
        InitTables(*made);
        return made;
    }();
    return *ds;
}

// The factory data of the MT-Z4J, made once: what a file is loaded over.
inline const DataSet& factoryDataSet() {
    static const std::unique_ptr<DataSet> ds = [] {
        auto made = std::make_unique<DataSet>();
        MakeFactoryDataSet(*made, Model::MTZ4J);
        return made;
    }();
    return *ds;
}

// Two data sets in the factory state, kept from input to input: making a
// data set anew (it is large) costs more than loading a small file into it.
// Each one taken is set back to the factory data when the input is done, so
// that an input frees what it allocates (libFuzzer runs an input that does
// not a second time, looking for a leak).
class FactorySets {
public:
    FactorySets() = default;
    FactorySets(const FactorySets&) = delete;
    FactorySets& operator=(const FactorySets&) = delete;
    ~FactorySets() {
        for (std::size_t i = 0; i < taken_.size(); ++i)
            if (taken_[i])
                *sets()[i] = factoryDataSet();
    }

    DataSet& take(std::size_t slot) {
        taken_.at(slot) = true;
        return *sets()[slot];
    }

private:
    static const std::array<std::unique_ptr<DataSet>, 2>& sets() {
        static const std::array<std::unique_ptr<DataSet>, 2> made{
            std::make_unique<DataSet>(factoryDataSet()),
            std::make_unique<DataSet>(factoryDataSet())};
        return made;
    }

    std::array<bool, 2> taken_{};
};

// The largest frequency a record can hold: FFFFFFFEh Hz (FFFFFFFFh is erased).
inline constexpr double MaxRecordMHz = 4294.967294;

// What the encoders make of the option codes for the model selected: a code
// the model cannot hold is written as 00 and so reads back as "OFF".
inline void applyOptionRule(DataSet& ds) {
    const int model = ds.ModelIndex;
    const auto rule = [model](auto& data, auto& text) {
        const double option = data[Col::Option];
        if ((option == 4 && model != Model::MTZ40E) || (option == 1 && model != Model::MTZ4J)) {
            data[Col::Option] = 0;
            text[Col::Option] = QStringLiteral("OFF");
        }
    };
    for (int e = 0; e < EntryCount; ++e)
        rule(ds.MemData[e], ds.MemText[e]);
    for (int b = 0; b < BandCount; ++b)
        rule(ds.VfoData[b], ds.VfoText[b]);
}

// Every table a clone file carries, as decoded, is the same in both.
inline void checkSameTables(const DataSet& a, const DataSet& b) {
    for (int e = 0; e < EntryCount; ++e)
        for (int c = 0; c < MemColumns; ++c)
            if (a.MemData[e][c] != b.MemData[e][c]) {
                std::fprintf(stderr, "entry %d col %d: %.9f vs %.9f en %d %d text %s | %s\n", e, c,
                             a.MemData[e][c], b.MemData[e][c], a.MemEnable[e], b.MemEnable[e],
                             qPrintable(a.MemText[e][c]), qPrintable(b.MemText[e][c]));
                break;
            }
    FUZZ_CHECK(a.MemData == b.MemData);
    FUZZ_CHECK(a.MemText == b.MemText);
    FUZZ_CHECK(a.MemEnable == b.MemEnable);
    FUZZ_CHECK(a.VfoData == b.VfoData);
    FUZZ_CHECK(a.VfoText == b.VfoText);
    FUZZ_CHECK(a.BankSize == b.BankSize);
    FUZZ_CHECK(a.BankText == b.BankText);
    FUZZ_CHECK(a.GroupFlag == b.GroupFlag);
    FUZZ_CHECK(a.settings == b.settings);
    FUZZ_CHECK(a.bank == b.bank);
}

// A data line of a clone file: hex digits alone.
inline bool isHexLine(const QString& line) {
    return std::all_of(line.begin(), line.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
    });
}

// A decoded frequency or offset is never negative nor beyond the record.
inline void checkFrequencies(const DataSet& ds) {
    for (const auto& row : ds.MemData) {
        FUZZ_CHECK(row[Col::Freq] >= 0.0 && row[Col::Freq] <= MaxRecordMHz);
        FUZZ_CHECK(row[Col::Shift] >= 0.0 && row[Col::Shift] <= MaxRecordMHz);
    }
    for (const auto& row : ds.VfoData) {
        FUZZ_CHECK(row[Col::Freq] >= 0.0 && row[Col::Freq] <= MaxRecordMHz);
        FUZZ_CHECK(row[Col::Shift] >= 0.0 && row[Col::Shift] <= MaxRecordMHz);
    }
}

} // namespace mtz4::fuzz
