#include "model/SettingControls.h"

#include <QCoreApplication>

#include "model/ReferenceTables.h"
#include "model/SettingsCodec.h"
#include "model/TextLanguage.h"

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
         .tip = {QT_TRANSLATE_NOOP(
             "SettingControls",
             "The receiver's squelch level, 0 to 9: the higher it is, the stronger a signal "
             "must be to be heard.")},
         .maximum = 9,
         .numberLabel = "lblSql"},
        {.page = P::One,
         .name = "Slider1",
         .caption = "AF volume level",
         .kind = K::Slider,
         .field = FIELD(Slider1),
         .tip = {QT_TRANSLATE_NOOP("SettingControls", "The receiver's audio volume, 0 to 30.")},
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
         FIELD(opbOpMode),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "The receiver's operating mode: tuning with the VFO, the preset frequencies, or the "
             "memory channels.")}},
        {P::Two,
         "optLamp",
         "Lamp",
         K::Options,
         {"OFF", "5sec", "ON", "ALL OFF"},
         FIELD(optLamp),
         {QT_TRANSLATE_NOOP("SettingControls", "The display lamp: OFF, 5sec (lit for five seconds "
                                               "after a key press), ON (always lit) "
                                               "or ALL OFF.")}},
        {P::Two,
         "opbMONI",
         "MONI key",
         K::Options,
         {"Monitor", "Mute"},
         FIELD(opbMONI),
         {QT_TRANSLATE_NOOP("SettingControls", "What the MONI key does: Monitor opens the squelch "
                                               "to listen, Mute silences the audio.")}},
        {P::Two,
         "opbKeyFunc",
         "MONI key Function",
         K::Options,
         {"Push", "Hold"},
         FIELD(opbKeyFunc),
         {QT_TRANSLATE_NOOP("SettingControls", "How the MONI key acts: only while it is held down "
                                               "(Push), or on and off with each press "
                                               "(Hold).")}},
        {P::Two,
         "opbKeyLock",
         "Key Lock",
         K::Options,
         {"NON", "QUICK", "NORMAL"},
         FIELD(opbKeyLock),
         {QT_TRANSLATE_NOOP("SettingControls", "The kind of key lock: NON, QUICK or NORMAL.")}},
        {P::Two,
         "opbAPO",
         "Auto Power Off",
         K::Options,
         {"Off", "30", "60", "90"},
         FIELD(opbAPO),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "Switches the receiver off after 30, 60 or 90 minutes without a key press, or never "
             "(Off).")}},
        {.page = P::Two,
         .name = "optRecRate",
         .caption = "Rec. Rate",
         .kind = K::Options,
         .choices = {"LONG", "NORMAL", "CLEAR", "HIGH-Q"},
         .field = FIELD(optRecRate),
         .tip = {QT_TRANSLATE_NOOP(
             "SettingControls",
             "The quality of the receiver's recordings: LONG, NORMAL, CLEAR or HIGH-Q (MT-Z4J "
             "only).")},
         .firstModelOnly = true},
        {.page = P::Two,
         .name = "opbBug",
         .caption = "Bug Sensitive Level",
         .kind = K::Options,
         .choices = Numbers(1, 5),
         .field = FIELD(opbBug),
         .tip = {QT_TRANSLATE_NOOP(
             "SettingControls",
             "The sensitivity level of the bug function, 1 to 5 (MT-Z4J only).")},
         .firstModelOnly = true},
        {P::Two,
         "optVscanSpeed",
         "VFO Scan Speed",
         K::Options,
         Numbers(1, 5),
         FIELD(optVscanSpeed),
         {QT_TRANSLATE_NOOP("SettingControls", "The speed of a VFO scan, 1 to 5.")}},
        {P::Two,
         "optMscanSpeed",
         "Memory Scan Speed",
         K::Options,
         Numbers(1, 5),
         FIELD(optMscanSpeed),
         {QT_TRANSLATE_NOOP("SettingControls", "The speed of a memory scan, 1 to 5.")}},

        // "Settings 2": pick lists
        {P::Two,
         "cbbScan",
         "Scan",
         K::PickList,
         Items(ref.ScanTimerList),
         FIELD(cbbScan),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "How long a scan stays on a signal: BUSY (as long as the signal lasts) or 1 to 25 "
             "seconds.")}},
        {P::Two,
         "cbbChargeTime",
         "Charge Time",
         K::PickList,
         Items(ref.ChargeTimeList),
         FIELD(cbbChargeTime),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "How long the receiver charges its battery, 1 to 24 hours.")}},
        {P::Two,
         "cbbSetMode",
         "Set Mode",
         K::PickList,
         Items(ref.SetModeTimeList),
         FIELD(cbbSetMode),
         {QT_TRANSLATE_NOOP("SettingControls", "When the receiver leaves set mode by itself: after "
                                               "5 to 25 seconds, or never (MANUAL).")}},
        {P::Two,
         "cbbWildKey",
         "Wild Key",
         K::PickList,
         Items(ref.WildKeyList),
         FIELD(cbbWildKey),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "The setting that the wild key calls up directly.")}},
        {P::Two,
         "cbbRemocon0",
         "Remote Controller A",
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[0]),
         {QT_TRANSLATE_NOOP("SettingControls", "The function of key A of the remote controller.")}},
        {P::Two,
         "cbbRemocon1",
         "Remote Controller B",
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[1]),
         {QT_TRANSLATE_NOOP("SettingControls", "The function of key B of the remote controller.")}},
        {P::Two,
         "cbbRemocon2",
         "Remote Controller C",
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[2]),
         {QT_TRANSLATE_NOOP("SettingControls", "The function of key C of the remote controller.")}},
        {P::Two,
         "cbbRemocon3",
         "Remote Controller D",
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[3]),
         {QT_TRANSLATE_NOOP("SettingControls", "The function of key D of the remote controller.")}},
        {P::Two,
         "cbbTimePr",
         "Time Pr",
         K::PickList,
         Items(ref.ScanTimerList),
         FIELD(cbbTimePr),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "The priority time (Pr): BUSY or 1 to 25 seconds.")}},
        {P::Two,
         "cbbTimeSp",
         "Time Sp",
         K::PickList,
         Items(ref.TimeSpList),
         FIELD(cbbTimeSp),
         {QT_TRANSLATE_NOOP("SettingControls", "The time Sp: 5 to 60 seconds.")}},

        // "Settings 2": two-way option groups
        {P::Two,
         "optAntenna",
         "Antenna",
         K::Options,
         {"SMA", "EAR"},
         FIELD(optAntenna),
         {QT_TRANSLATE_NOOP("SettingControls", "The antenna the receiver uses: the one on its SMA "
                                               "socket, or the earphone cord (EAR).")}},
        {P::Two,
         "optSkip",
         "Scan TYPE",
         K::Options,
         {"No SKIP", "SKIP"},
         FIELD(optSkip),
         {QT_TRANSLATE_NOOP("SettingControls", "Whether a scan passes over the entries marked to "
                                               "skip (SKIP) or stops on them as well "
                                               "(No SKIP).")}},
        {P::Two,
         "optBand",
         "Band Transition",
         K::Options,
         {"Rotate", "Across"},
         FIELD(optBand),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "Tuning past the end of a band goes back to the band's start (Rotate) or on into the "
             "next band (Across).")}},
        {.page = P::Two,
         .name = "optLockBug",
         .caption = "Lock BUG",
         .kind = K::Options,
         .choices = {"ENABLE", "DISABLE"},
         .field = FIELD(optLockBug),
         .tip = {QT_TRANSLATE_NOOP("SettingControls",
                                   "Lock BUG: ENABLE or DISABLE (MT-Z4J only).")},
         .firstModelOnly = true},
        {.page = P::Two,
         .name = "optBugType",
         .caption = "Bug Type",
         .kind = K::Options,
         .choices = {"SILENT", "SOUND"},
         .field = FIELD(optBugType),
         .tip = {QT_TRANSLATE_NOOP("SettingControls",
                                   "The bug type: SILENT or SOUND (MT-Z4J only).")},
         .firstModelOnly = true},
        {P::Two,
         "optAfTone",
         "AF Tone",
         K::Options,
         {"Low", "High"},
         FIELD(optAfTone),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "The tone of the audio: Low (more bass) or High (more treble).")}},

        // "Settings 2": check boxes
        {P::Two,
         "chkATT",
         "Attenuator",
         K::Check,
         {},
         FIELD(chkATT),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "Switches on the attenuator, which weakens strong signals at the receiver's input.")}},
        {P::Two,
         "chkAutoStep",
         "Auto Step",
         K::Check,
         {},
         FIELD(chkAutoStep),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "Lets the receiver choose the tuning step of each band by itself.")}},
        {P::Two,
         "chkBeep",
         "Beep",
         K::Check,
         {},
         FIELD(chkBeep),
         {QT_TRANSLATE_NOOP("SettingControls", "Sounds a beep at each key press.")}},
        {P::Two,
         "chkBell",
         "Bell",
         K::Check,
         {},
         FIELD(chkBell),
         {QT_TRANSLATE_NOOP("SettingControls", "The bell: on or off.")}},
        {P::Two,
         "chkAutoWave",
         "Auto Wave",
         K::Check,
         {},
         FIELD(chkAutoWave),
         {QT_TRANSLATE_NOOP("SettingControls", "Auto Wave: on or off.")}},
        {P::Two,
         "chkBarAM",
         "AM bar antenna",
         K::Check,
         {},
         FIELD(chkBarAM),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "Receives AM broadcasts with the built-in bar antenna.")}},
        {P::Two,
         "chkBS",
         "Battery Save",
         K::Check,
         {},
         FIELD(chkBS),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "Saves battery power while no signal is received.")}},
        {P::Two,
         "chkBarSW",
         "SW bar antenna",
         K::Check,
         {},
         FIELD(chkBarSW),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "Receives short wave with the built-in bar antenna.")}},
        {P::Two,
         "chkCharge",
         "Charge",
         K::Check,
         {},
         FIELD(chkCharge),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "Lets the receiver charge its battery, for the time under Charge Time.")}},

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

QString SettingTip(const SettingControl& control) {
    return control.tip ? QCoreApplication::translate("SettingControls", control.tip) : QString();
}

int SettingValue(const SettingControl& control, const SettingsRecord& s) {
    // The accessor only picks the field; nothing is written.
    return control.field(const_cast<SettingsRecord&>(s));
}

} // namespace mtz4
