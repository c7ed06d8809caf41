#pragma once

#include <array>

namespace mtz4 {

// The state of the settings controls of the "Settings 1" and "Settings 2"
// pages. Each field is named after the control it stands for; the pages bind
// to these fields and the settings codec reads and writes them.
//
// Value conventions:
// - option group (opb/opt): index of the selected button, -1 when none is.
// - check box (chk): 0 clear, 1 checked. A settings byte that is neither is
//   kept as read, so that decoding and encoding without an edit give it back;
//   the page shows such a value as neither checked nor clear.
// - list (cbb): selected item index, -1 for no selection. Out-of-range
//   indices decoded from the receiver are kept as they are, for the same reason.
// - slider: position; kept as read even outside the slider's range.
struct SettingsRecord {
    // "Settings 1" (its model selector, opbModel, shows DataSet::ModelIndex)
    int Slider1 = 0; // "AF volume level" 0..30 (label lblVol)
    int Slider2 = 0; // "Squelch level" 0..9 (label lblSql)

    // "Settings 2": option groups
    int opbOpMode = 0;     // "Operating Mode": 0 "VFO", 1 "Preset", 2 "Memory"
    int optLamp = 0;       // "Lamp": 0 "OFF", 1 "5sec", 2 "ON", 3 "ALL OFF"
    int opbMONI = 0;       // "MONI key": 0 "Monitor", 1 "Mute"
    int opbKeyFunc = 0;    // "MONI key Function": 0 "Push", 1 "Hold"
    int opbKeyLock = 0;    // "Key Lock": 0 "NON", 1 "QUICK", 2 "NORMAL"
    int opbAPO = 0;        // "Auto Power Off": 0 "Off", 1 "30", 2 "60", 3 "90"
    int optRecRate = 0;    // "Rec. Rate": 0 "LONG", 1 "NORMAL", 2 "CLEAR", 3 "HIGH-Q"
    int opbBug = 0;        // "Bug Sensitive Level": buttons "1".."5"
    int optVscanSpeed = 0; // "VFO Scan Speed": buttons "1".."5"
    int optMscanSpeed = 0; // "Memory Scan Speed": buttons "1".."5"
    int optAntenna = 0;    // "Antenna": 0 "SMA", 1 "EAR"
    int optSkip = 0;       // "Scan TYPE": 0 "No SKIP", 1 "SKIP"
    int optBand = 0;       // "Band Transition": 0 "Rotate", 1 "Across"
    int optLockBug = 0;    // "Lock BUG": 0 "ENABLE", 1 "DISABLE"
    int optBugType = 0;    // "Bug Type": 0 "SILENT", 1 "SOUND"
    int optAfTone = 0;     // "AF Tone": 0 "Low", 1 "High"

    // "Settings 2": pick lists (initial selections as filled at start-up)
    int cbbScan = 0;                               // "Scan": ScanTimerList
    int cbbTimePr = 0;                             // "Time Pr": ScanTimerList
    int cbbChargeTime = 11;                        // "Charge Time": ChargeTimeList ("12 hrs.")
    int cbbSetMode = 0;                            // "Set Mode": SetModeTimeList
    int cbbWildKey = 0;                            // "Wild Key": WildKeyList
    std::array<int, 4> cbbRemocon{-1, -1, -1, -1}; // RemoconKeyList, "Remote Controller A".."D"
    int cbbTimeSp = 0;                             // "Time Sp": TimeSpList

    // "Settings 2": check boxes
    int chkATT = 0;      // "Attenuator"
    int chkAutoStep = 0; // "Auto Step"
    int chkBeep = 0;     // "Beep"
    int chkBell = 0;     // "Bell"
    int chkAutoWave = 0; // "Auto Wave"
    int chkBarAM = 0;    // "AM bar antenna"
    int chkBS = 0;       // "Battery Save"
    int chkBarSW = 0;    // "SW bar antenna"
    int chkCharge = 0;   // "Charge"

    // Controls that exist on the pages but are neither offered nor stored.
    int chkLoVolume = 0; // "Lo Volume"
    int chkAutoProg = 0; // "Auto Program"
    int chkWP = 0;       // "Write Protect"
    int chkTxEx = 0;     // "TX Extension"
    int chkFlg1 = 0;     // "DoReMi" / "None"
    int opbBurst = 0;    // "Tone Burst": "1750Hz", "2100Hz", "1000Hz", "1450Hz"

    bool operator==(const SettingsRecord&) const = default;
};

} // namespace mtz4
