#pragma once

#include "model/Limits.h"

#include <QString>
#include <array>

namespace mtz4 {

// The program's fixed vocabulary: texts of coded record values, the item
// lists of the settings pick lists, the clone-file marker lines, the title,
// the per-model band captions and limits, and the Program Scan labels.
// Built once; nothing writes them afterwards. All tables are indexed from 0.
struct ReferenceTables {
    QString CloneHeader;  // first line of a clone file
    QString CloneTrailer; // last line of a clone file
    QString AppTitle;     // main window caption

    std::array<QString, 20> StepList;  // step codes 0..17, slots 18 and 19 empty
    std::array<QString, 39> ToneList;  // CTCSS tones, code 0..38
    std::array<QString, 5> OptionList; // option codes 0..4

    std::array<QString, 26> ScanTimerList;   // cbbScan, cbbTimePr
    std::array<QString, 24> ChargeTimeList;  // cbbChargeTime
    std::array<QString, 22> SetModeTimeList; // cbbSetMode
    std::array<QString, 29> WildKeyList;     // cbbWildKey
    std::array<QString, 20> RemoconKeyList;  // cbbRemocon 0..3
    std::array<QString, 8> TimeSpList;       // cbbTimeSp

    // [model][band]: caption shown in the edit dialog for a VFO band.
    std::array<std::array<QString, BandCount>, ModelCount> BandLabel;
    // [model][band][edge]: inclusive band limits in MHz, edge 0 lower, 1 upper.
    // Model 2 slots 8 and 9 hold the two cellular ranges it must refuse.
    std::array<std::array<std::array<double, 2>, BandCount>, ModelCount> BandLimit{};

    // Labels of Program Scan entries 1000..1099: P0A, P0B, P1A, ... P49B.
    std::array<QString, 100> ProgramScanLabel;
};

// Builds the tables (idempotent; also done on first use of Ref()).
void InitReferenceTables();
// The process-wide tables.
const ReferenceTables& Ref();

// The caption of model option `model`: 0 "MT-Z4J", 1 "MT-Z40E", 2 "MT-Z40T",
// 3 "MT-Z40K", and the two options never offered, 4 "MT-K2 T" and
// 5 "MT-K2 E"; empty text for any other index.
QString ModelName(int model);

// False inside the two cellular-telephone ranges that model 2 must refuse
// (824..849.995 MHz and 869..894.995 MHz, inclusive), True elsewhere.
bool CellularAllowed(double mhz);

} // namespace mtz4
