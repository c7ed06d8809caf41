#include "reference/SettingControls.h"

#include "model/SettingsCodec.h"
#include "reference/ReferenceTables.h"

namespace mtz4 {

namespace {

template <std::size_t N> QStringList Items(const std::array<QString, N>& list) {
    return QStringList(list.begin(), list.end());
}

QStringList Numbers(int first, int last) {
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QString::number(n);
    return numbers;
}

#define FIELD(name) [](SettingsRecord& s) -> int& { return s.name; }

std::vector<SettingControl> BuildControls() {
    using K = SettingKind;
    using P = SettingsPage;
    const auto& ref = Ref();

    std::vector<SettingControl> controls = {
        // "Settings 1"
        {.page = P::One,
         .name = "Slider2",
         .caption = "Squelch level",
         .kind = K::Slider,
         .field = FIELD(Slider2),
         .maximum = 9,
         .numberLabel = "lblSql"},
        {.page = P::One,
         .name = "Slider1",
         .caption = "AF volume level",
         .kind = K::Slider,
         .field = FIELD(Slider1),
         .maximum = 30,
         .numberLabel = "lblVol"},
        {.page = P::One,
         .name = "chkLoVolume",
         .caption = "Lo Volume",
         .kind = K::Check,
         .field = FIELD(chkLoVolume),
         .offered = false},

        // "Settings 2": option groups
        {P::Two,
         "opbOpMode",
         "Operating Mode",
         K::Options,
         {"VFO", "Preset", "Memory"},
         FIELD(opbOpMode)},
        {P::Two, "optLamp", "Lamp", K::Options, {"OFF", "5sec", "ON", "ALL OFF"}, FIELD(optLamp)},
        {P::Two, "opbMONI", "MONI key", K::Options, {"Monitor", "Mute"}, FIELD(opbMONI)},
        {P::Two,
         "opbKeyFunc",
         "MONI key Function",
         K::Options,
         {"Push", "Hold"},
         FIELD(opbKeyFunc)},
        {P::Two,
         "opbKeyLock",
         "Key Lock",
         K::Options,
         {"NON", "QUICK", "NORMAL"},
         FIELD(opbKeyLock)},
        {P::Two, "opbAPO", "Auto Power Off", K::Options, {"Off", "30", "60", "90"}, FIELD(opbAPO)},
        {.page = P::Two,
         .name = "optRecRate",
         .caption = "Rec. Rate",
         .kind = K::Options,
         .choices = {"LONG", "NORMAL", "CLEAR", "HIGH-Q"},
         .field = FIELD(optRecRate),
         .firstModelOnly = true},
        {.page = P::Two,
         .name = "opbBug",
         .caption = "Bug Sensitive Level",
         .kind = K::Options,
         .choices = Numbers(1, 5),
         .field = FIELD(opbBug),
         .firstModelOnly = true},
        {P::Two, "optVscanSpeed", "VFO Scan Speed", K::Options, Numbers(1, 5),
         FIELD(optVscanSpeed)},
        {P::Two, "optMscanSpeed", "Memory Scan Speed", K::Options, Numbers(1, 5),
         FIELD(optMscanSpeed)},

        // "Settings 2": pick lists
        {P::Two, "cbbScan", "Scan", K::PickList, Items(ref.ScanTimerList), FIELD(cbbScan)},
        {P::Two, "cbbChargeTime", "Charge Time", K::PickList, Items(ref.ChargeTimeList),
         FIELD(cbbChargeTime)},
        {P::Two, "cbbSetMode", "Set Mode", K::PickList, Items(ref.SetModeTimeList),
         FIELD(cbbSetMode)},
        {P::Two, "cbbWildKey", "Wild Key", K::PickList, Items(ref.WildKeyList), FIELD(cbbWildKey)},
        {P::Two, "cbbRemocon0", "Remote Controller A", K::PickList, Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[0])},
        {P::Two, "cbbRemocon1", "Remote Controller B", K::PickList, Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[1])},
        {P::Two, "cbbRemocon2", "Remote Controller C", K::PickList, Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[2])},
        {P::Two, "cbbRemocon3", "Remote Controller D", K::PickList, Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[3])},
        {P::Two, "cbbTimePr", "Time Pr", K::PickList, Items(ref.ScanTimerList), FIELD(cbbTimePr)},
        {P::Two, "cbbTimeSp", "Time Sp", K::PickList, Items(ref.TimeSpList), FIELD(cbbTimeSp)},

        // "Settings 2": two-way option groups
        {P::Two, "optAntenna", "Antenna", K::Options, {"SMA", "EAR"}, FIELD(optAntenna)},
        {P::Two, "optSkip", "Scan TYPE", K::Options, {"No SKIP", "SKIP"}, FIELD(optSkip)},
        {P::Two, "optBand", "Band Transition", K::Options, {"Rotate", "Across"}, FIELD(optBand)},
        {.page = P::Two,
         .name = "optLockBug",
         .caption = "Lock BUG",
         .kind = K::Options,
         .choices = {"ENABLE", "DISABLE"},
         .field = FIELD(optLockBug),
         .firstModelOnly = true},
        {.page = P::Two,
         .name = "optBugType",
         .caption = "Bug Type",
         .kind = K::Options,
         .choices = {"SILENT", "SOUND"},
         .field = FIELD(optBugType),
         .firstModelOnly = true},
        {P::Two, "optAfTone", "AF Tone", K::Options, {"Low", "High"}, FIELD(optAfTone)},

        // "Settings 2": check boxes
        {P::Two, "chkATT", "Attenuator", K::Check, {}, FIELD(chkATT)},
        {P::Two, "chkAutoStep", "Auto Step", K::Check, {}, FIELD(chkAutoStep)},
        {P::Two, "chkBeep", "Beep", K::Check, {}, FIELD(chkBeep)},
        {P::Two, "chkBell", "Bell", K::Check, {}, FIELD(chkBell)},
        {P::Two, "chkAutoWave", "Auto Wave", K::Check, {}, FIELD(chkAutoWave)},
        {P::Two, "chkBarAM", "AM bar antenna", K::Check, {}, FIELD(chkBarAM)},
        {P::Two, "chkBS", "Battery Save", K::Check, {}, FIELD(chkBS)},
        {P::Two, "chkBarSW", "SW bar antenna", K::Check, {}, FIELD(chkBarSW)},
        {P::Two, "chkCharge", "Charge", K::Check, {}, FIELD(chkCharge)},

        // "Settings 2": controls that are never shown
        {.page = P::Two,
         .name = "chkAutoProg",
         .caption = "Auto Program",
         .kind = K::Check,
         .field = FIELD(chkAutoProg),
         .offered = false},
        {.page = P::Two,
         .name = "chkWP",
         .caption = "Write Protect",
         .kind = K::Check,
         .field = FIELD(chkWP),
         .offered = false},
        {.page = P::Two,
         .name = "chkTxEx",
         .caption = "TX Extension",
         .kind = K::Check,
         .field = FIELD(chkTxEx),
         .offered = false},
        {.page = P::Two,
         .name = "chkFlg1",
         .kind = K::CheckOptions,
         .choices = {"DoReMi", "None"},
         .field = FIELD(chkFlg1),
         .offered = false},
        {.page = P::Two,
         .name = "opbBurst",
         .caption = "Tone Burst",
         .kind = K::Options,
         .choices = {"1750Hz", "2100Hz", "1000Hz", "1450Hz"},
         .field = FIELD(opbBurst),
         .offered = false},
    };

    // Which controls mark a change is the settings codec's knowledge.
    SettingsRecord probe;
    for (SettingControl& control : controls)
        control.marksChange = MarksDataChanged(probe, control.field(probe));
    return controls;
}

#undef FIELD

} // namespace

const std::vector<SettingControl>& SettingControls() {
    static const std::vector<SettingControl> controls = BuildControls();
    return controls;
}

const SettingControl* FindSettingControl(const QString& name) {
    for (const SettingControl& control : SettingControls())
        if (control.name == name)
            return &control;
    return nullptr;
}

int SettingValue(const SettingControl& control, const SettingsRecord& s) {
    // The accessor only picks the field; nothing is written.
    return control.field(const_cast<SettingsRecord&>(s));
}

} // namespace mtz4
