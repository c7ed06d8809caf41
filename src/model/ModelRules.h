#pragma once

#include "model/DataSet.h"
#include "model/EntryCodes.h"
#include "model/RecordCodec.h"

#include <QString>
#include <functional>

namespace mtz4 {

// The rules of the selected model that every way into the data keeps: the
// edit dialog, a paste, our CSV import and CHIRP's. What the dialog offers
// follows from them (its option and step buttons), and what comes in from
// elsewhere is refused by them with a reason.

inline constexpr int Step1KHzCode = 16;
inline constexpr int Step9KHzCode = 17;
// Models 2 and 3 have bands 0..7 only.
inline constexpr int EightBandCount = 8;

// Whether the model offers the option: "Train" the MT-Z4J only, "Secret" the
// MT-Z40E only, "None", "Tone" and "Reverse" every model.
bool ModelOffersOption(int model, int option);
// Why the model refuses the option ("the MT-Z40T has no Train option");
// empty when it offers it.
QString OptionRefusal(int model, int option);
// Whether the model has VFO band `band` (the MT-Z40T and MT-Z40K: 0..7).
bool ModelHasBand(int model, int band);
bool HasEightBands(int model);
// Whether band `band` of the model takes the step: band 0 only 1KHz, band 1
// of the MT-Z4J and MT-Z40E only 9KHz, every other band the steps up to 1MHz.
bool BandOffersStep(int model, int band, int step);

// Entries that a change in progress will replace anyway (a paste's later
// rows, an import's later lines); they do not count as holding a frequency.
using ReplacedEntries = std::function<bool(int entry)>;

// False when another enabled Search Pass entry (1100..1199, other than
// `entry` and those replaced) holds exactly the frequency `mhz`.
bool SearchPassUnique(const DataSet& ds, double mhz, int entry,
                      const ReplacedEntries& replaced = {});

// What the frequency rules say of a frequency for a memory entry or a VFO
// band under ds.ModelIndex.
enum class FrequencyRule {
    Taken,
    OutOfRange,          // memory: outside 0.1 .. 1299.995 MHz; VFO: outside the band
    CellularPhone,       // the MT-Z40T's cellular ranges (for a band: band 6 only)
    SearchPassDuplicate, // another enabled Search Pass entry has it
};
FrequencyRule MemoryFrequencyRule(const DataSet& ds, int entry, double mhz,
                                  const ReplacedEntries& replaced = {});
FrequencyRule VfoFrequencyRule(const DataSet& ds, int band, double mhz);

// Why a rule refuses a frequency, in plain words ("a frequency outside 0.1 ..
// 1299.995 MHz"); empty for FrequencyRule::Taken. For a VFO band an
// out-of-range frequency names the band and its limits.
QString MemoryFrequencyRefusal(FrequencyRule rule);
QString VfoFrequencyRefusal(const DataSet& ds, int band, FrequencyRule rule);

// Why the model's rules refuse a record for memory entry `entry` (the Search
// Pass rule applies to an enabled record only) or VFO band `band` (a band the
// model lacks, a frequency outside the band, the cellular ranges, an option);
// an empty text when they take it. The frequency range of a memory entry is checked
// by the readers of the record before (a record outside it cannot be held).
QString EntryRefusal(const DataSet& ds, int entry, const RecordFields& record, bool enabled,
                     const ReplacedEntries& replaced = {});
QString BandRefusal(const DataSet& ds, int band, const RecordFields& record);

// The coded fields of a row of MemData or VfoData.
template <typename Numbers> RecordFields FieldsOf(const Numbers& data) {
    return {data[Col::Freq],        int(data[Col::Mode]),     int(data[Col::Step]),
            int(data[Col::Option]), int(data[Col::Secret]),   int(data[Col::Carrier]),
            int(data[Col::Tone]),   int(data[Col::ShiftDir]), data[Col::Shift]};
}

} // namespace mtz4
