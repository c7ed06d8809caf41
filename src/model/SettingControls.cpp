#include "model/SettingControls.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "model/ReferenceTables.h"
#include "model/SettingsCodec.h"

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

// The words of the settings lists that are not numbers of seconds or hours;
// the lists themselves are the receiver's, in English.
[[maybe_unused]] constexpr const char* ListWords[] = {
    QT_TRANSLATE_NOOP("SettingControls", "BUSY"),
    QT_TRANSLATE_NOOP("SettingControls", "MANUAL"),
};

// A pick list item in the user's language: a time ("12 hrs.", " 5 SEC",
// "10-SEC") keeps its number, padding included, in the translated unit; a
// word goes through the translations, and a key name stays as it is.
QString ShownListItem(const QString& item) {
    static const QRegularExpression time(QStringLiteral("^( ?\\d+)( SEC|-SEC| hrs\\.)$"));
    const QRegularExpressionMatch m = time.match(item);
    if (!m.hasMatch())
        return QCoreApplication::translate("SettingControls", item.toLatin1().constData());
    const QString unit = m.captured(2);
    const QString format =
        unit == QLatin1String(" SEC")   ? QCoreApplication::translate("SettingControls", "%1 SEC")
        : unit == QLatin1String("-SEC") ? QCoreApplication::translate("SettingControls", "%1-SEC")
                                        : QCoreApplication::translate("SettingControls", "%1 hrs.");
    return format.arg(m.captured(1));
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
         .caption = QT_TRANSLATE_NOOP("SettingControls", "Squelch level"),
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
         .caption = QT_TRANSLATE_NOOP("SettingControls", "AF volume level"),
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
         QT_TRANSLATE_NOOP("SettingControls", "Operating Mode"),
         K::Options,
         {QT_TRANSLATE_NOOP("SettingControls", "VFO"),
          QT_TRANSLATE_NOOP("SettingControls", "Preset"),
          QT_TRANSLATE_NOOP("SettingControls", "Memory")},
         FIELD(opbOpMode),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "The receiver's operating mode: tuning with the VFO, the preset frequencies, or the "
             "memory channels.")}},
        {P::Two,
         "optLamp",
         QT_TRANSLATE_NOOP("SettingControls", "Lamp"),
         K::Options,
         {QT_TRANSLATE_NOOP("SettingControls", "OFF"), QT_TRANSLATE_NOOP("SettingControls", "5sec"),
          QT_TRANSLATE_NOOP("SettingControls", "ON"),
          QT_TRANSLATE_NOOP("SettingControls", "ALL OFF")},
         FIELD(optLamp),
         {QT_TRANSLATE_NOOP("SettingControls", "The display lamp: OFF, 5sec (lit for five seconds "
                                               "after a key press), ON (always lit) "
                                               "or ALL OFF.")}},
        {P::Two,
         "opbMONI",
         QT_TRANSLATE_NOOP("SettingControls", "MONI key"),
         K::Options,
         {QT_TRANSLATE_NOOP("SettingControls", "Monitor"),
          QT_TRANSLATE_NOOP("SettingControls", "Mute")},
         FIELD(opbMONI),
         {QT_TRANSLATE_NOOP("SettingControls", "What the MONI key does: Monitor opens the squelch "
                                               "to listen, Mute silences the audio.")}},
        {P::Two,
         "opbKeyFunc",
         QT_TRANSLATE_NOOP("SettingControls", "MONI key Function"),
         K::Options,
         {QT_TRANSLATE_NOOP("SettingControls", "Push"),
          QT_TRANSLATE_NOOP("SettingControls", "Hold")},
         FIELD(opbKeyFunc),
         {QT_TRANSLATE_NOOP("SettingControls", "How the MONI key acts: only while it is held down "
                                               "(Push), or on and off with each press "
                                               "(Hold).")}},
        {P::Two,
         "opbKeyLock",
         QT_TRANSLATE_NOOP("SettingControls", "Key Lock"),
         K::Options,
         {QT_TRANSLATE_NOOP("SettingControls", "NON"),
          QT_TRANSLATE_NOOP("SettingControls", "QUICK"),
          QT_TRANSLATE_NOOP("SettingControls", "NORMAL")},
         FIELD(opbKeyLock),
         {QT_TRANSLATE_NOOP("SettingControls", "The kind of key lock: NON, QUICK or NORMAL.")}},
        {P::Two,
         "opbAPO",
         QT_TRANSLATE_NOOP("SettingControls", "Auto Power Off"),
         K::Options,
         {QT_TRANSLATE_NOOP("SettingControls", "Off"), "30", "60", "90"},
         FIELD(opbAPO),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "Switches the receiver off after 30, 60 or 90 minutes without a key press, or never "
             "(Off).")}},
        {.page = P::Two,
         .name = "optRecRate",
         .caption = QT_TRANSLATE_NOOP("SettingControls", "Rec. Rate"),
         .kind = K::Options,
         .choices = {QT_TRANSLATE_NOOP("SettingControls", "LONG"),
                     QT_TRANSLATE_NOOP("SettingControls", "NORMAL"),
                     QT_TRANSLATE_NOOP("SettingControls", "CLEAR"),
                     QT_TRANSLATE_NOOP("SettingControls", "HIGH-Q")},
         .field = FIELD(optRecRate),
         .tip = {QT_TRANSLATE_NOOP(
             "SettingControls",
             "The quality of the receiver's recordings: LONG, NORMAL, CLEAR or HIGH-Q (MT-Z4J "
             "only).")},
         .firstModelOnly = true},
        {.page = P::Two,
         .name = "opbBug",
         .caption = QT_TRANSLATE_NOOP("SettingControls", "Bug Sensitive Level"),
         .kind = K::Options,
         .choices = Numbers(1, 5),
         .field = FIELD(opbBug),
         .tip = {QT_TRANSLATE_NOOP(
             "SettingControls",
             "The sensitivity level of the bug function, 1 to 5 (MT-Z4J only).")},
         .firstModelOnly = true},
        {P::Two,
         "optVscanSpeed",
         QT_TRANSLATE_NOOP("SettingControls", "VFO Scan Speed"),
         K::Options,
         Numbers(1, 5),
         FIELD(optVscanSpeed),
         {QT_TRANSLATE_NOOP("SettingControls", "The speed of a VFO scan, 1 to 5.")}},
        {P::Two,
         "optMscanSpeed",
         QT_TRANSLATE_NOOP("SettingControls", "Memory Scan Speed"),
         K::Options,
         Numbers(1, 5),
         FIELD(optMscanSpeed),
         {QT_TRANSLATE_NOOP("SettingControls", "The speed of a memory scan, 1 to 5.")}},

        // "Settings 2": pick lists
        {P::Two,
         "cbbScan",
         QT_TRANSLATE_NOOP("SettingControls", "Scan"),
         K::PickList,
         Items(ref.ScanTimerList),
         FIELD(cbbScan),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "How long a scan stays on a signal: BUSY (as long as the signal lasts) or 1 to 25 "
             "seconds.")}},
        {P::Two,
         "cbbChargeTime",
         QT_TRANSLATE_NOOP("SettingControls", "Charge Time"),
         K::PickList,
         Items(ref.ChargeTimeList),
         FIELD(cbbChargeTime),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "How long the receiver charges its battery, 1 to 24 hours.")}},
        {P::Two,
         "cbbSetMode",
         QT_TRANSLATE_NOOP("SettingControls", "Set Mode"),
         K::PickList,
         Items(ref.SetModeTimeList),
         FIELD(cbbSetMode),
         {QT_TRANSLATE_NOOP("SettingControls", "When the receiver leaves set mode by itself: after "
                                               "5 to 25 seconds, or never (MANUAL).")}},
        {P::Two,
         "cbbWildKey",
         QT_TRANSLATE_NOOP("SettingControls", "Wild Key"),
         K::PickList,
         Items(ref.WildKeyList),
         FIELD(cbbWildKey),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "The setting that the wild key calls up directly.")}},
        {P::Two,
         "cbbRemocon0",
         QT_TRANSLATE_NOOP("SettingControls", "Remote Controller A"),
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[0]),
         {QT_TRANSLATE_NOOP("SettingControls", "The function of key A of the remote controller.")}},
        {P::Two,
         "cbbRemocon1",
         QT_TRANSLATE_NOOP("SettingControls", "Remote Controller B"),
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[1]),
         {QT_TRANSLATE_NOOP("SettingControls", "The function of key B of the remote controller.")}},
        {P::Two,
         "cbbRemocon2",
         QT_TRANSLATE_NOOP("SettingControls", "Remote Controller C"),
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[2]),
         {QT_TRANSLATE_NOOP("SettingControls", "The function of key C of the remote controller.")}},
        {P::Two,
         "cbbRemocon3",
         QT_TRANSLATE_NOOP("SettingControls", "Remote Controller D"),
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[3]),
         {QT_TRANSLATE_NOOP("SettingControls", "The function of key D of the remote controller.")}},
        {P::Two,
         "cbbTimePr",
         QT_TRANSLATE_NOOP("SettingControls", "Time Pr"),
         K::PickList,
         Items(ref.ScanTimerList),
         FIELD(cbbTimePr),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "The priority time (Pr): BUSY or 1 to 25 seconds.")}},
        {P::Two,
         "cbbTimeSp",
         QT_TRANSLATE_NOOP("SettingControls", "Time Sp"),
         K::PickList,
         Items(ref.TimeSpList),
         FIELD(cbbTimeSp),
         {QT_TRANSLATE_NOOP("SettingControls", "The time Sp: 5 to 60 seconds.")}},

        // "Settings 2": two-way option groups
        {P::Two,
         "optAntenna",
         QT_TRANSLATE_NOOP("SettingControls", "Antenna"),
         K::Options,
         {QT_TRANSLATE_NOOP("SettingControls", "SMA"), QT_TRANSLATE_NOOP("SettingControls", "EAR")},
         FIELD(optAntenna),
         {QT_TRANSLATE_NOOP("SettingControls", "The antenna the receiver uses: the one on its SMA "
                                               "socket, or the earphone cord (EAR).")}},
        {P::Two,
         "optSkip",
         QT_TRANSLATE_NOOP("SettingControls", "Scan TYPE"),
         K::Options,
         {QT_TRANSLATE_NOOP("SettingControls", "No SKIP"),
          QT_TRANSLATE_NOOP("SettingControls", "SKIP")},
         FIELD(optSkip),
         {QT_TRANSLATE_NOOP("SettingControls", "Whether a scan passes over the entries marked to "
                                               "skip (SKIP) or stops on them as well "
                                               "(No SKIP).")}},
        {P::Two,
         "optBand",
         QT_TRANSLATE_NOOP("SettingControls", "Band Transition"),
         K::Options,
         {QT_TRANSLATE_NOOP("SettingControls", "Rotate"),
          QT_TRANSLATE_NOOP("SettingControls", "Across")},
         FIELD(optBand),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "Tuning past the end of a band goes back to the band's start (Rotate) or on into the "
             "next band (Across).")}},
        {.page = P::Two,
         .name = "optLockBug",
         .caption = QT_TRANSLATE_NOOP("SettingControls", "Lock BUG"),
         .kind = K::Options,
         .choices = {QT_TRANSLATE_NOOP("SettingControls", "ENABLE"),
                     QT_TRANSLATE_NOOP("SettingControls", "DISABLE")},
         .field = FIELD(optLockBug),
         .tip = {QT_TRANSLATE_NOOP("SettingControls",
                                   "Lock BUG: ENABLE or DISABLE (MT-Z4J only).")},
         .firstModelOnly = true},
        {.page = P::Two,
         .name = "optBugType",
         .caption = QT_TRANSLATE_NOOP("SettingControls", "Bug Type"),
         .kind = K::Options,
         .choices = {QT_TRANSLATE_NOOP("SettingControls", "SILENT"),
                     QT_TRANSLATE_NOOP("SettingControls", "SOUND")},
         .field = FIELD(optBugType),
         .tip = {QT_TRANSLATE_NOOP("SettingControls",
                                   "The bug type: SILENT or SOUND (MT-Z4J only).")},
         .firstModelOnly = true},
        {P::Two,
         "optAfTone",
         QT_TRANSLATE_NOOP("SettingControls", "AF Tone"),
         K::Options,
         {QT_TRANSLATE_NOOP("SettingControls", "Low"),
          QT_TRANSLATE_NOOP("SettingControls", "High")},
         FIELD(optAfTone),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "The tone of the audio: Low (more bass) or High (more treble).")}},

        // "Settings 2": check boxes
        {P::Two,
         "chkATT",
         QT_TRANSLATE_NOOP("SettingControls", "Attenuator"),
         K::Check,
         {},
         FIELD(chkATT),
         {QT_TRANSLATE_NOOP(
             "SettingControls",
             "Switches on the attenuator, which weakens strong signals at the receiver's input.")}},
        {P::Two,
         "chkAutoStep",
         QT_TRANSLATE_NOOP("SettingControls", "Auto Step"),
         K::Check,
         {},
         FIELD(chkAutoStep),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "Lets the receiver choose the tuning step of each band by itself.")}},
        {P::Two,
         "chkBeep",
         QT_TRANSLATE_NOOP("SettingControls", "Beep"),
         K::Check,
         {},
         FIELD(chkBeep),
         {QT_TRANSLATE_NOOP("SettingControls", "Sounds a beep at each key press.")}},
        {P::Two,
         "chkBell",
         QT_TRANSLATE_NOOP("SettingControls", "Bell"),
         K::Check,
         {},
         FIELD(chkBell),
         {QT_TRANSLATE_NOOP("SettingControls", "The bell: on or off.")}},
        {P::Two,
         "chkAutoWave",
         QT_TRANSLATE_NOOP("SettingControls", "Auto Wave"),
         K::Check,
         {},
         FIELD(chkAutoWave),
         {QT_TRANSLATE_NOOP("SettingControls", "Auto Wave: on or off.")}},
        {P::Two,
         "chkBarAM",
         QT_TRANSLATE_NOOP("SettingControls", "AM bar antenna"),
         K::Check,
         {},
         FIELD(chkBarAM),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "Receives AM broadcasts with the built-in bar antenna.")}},
        {P::Two,
         "chkBS",
         QT_TRANSLATE_NOOP("SettingControls", "Battery Save"),
         K::Check,
         {},
         FIELD(chkBS),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "Saves battery power while no signal is received.")}},
        {P::Two,
         "chkBarSW",
         QT_TRANSLATE_NOOP("SettingControls", "SW bar antenna"),
         K::Check,
         {},
         FIELD(chkBarSW),
         {QT_TRANSLATE_NOOP("SettingControls",
                            "Receives short wave with the built-in bar antenna.")}},
        {P::Two,
         "chkCharge",
         QT_TRANSLATE_NOOP("SettingControls", "Charge"),
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

QString SettingCaption(const SettingControl& control) {
    return QCoreApplication::translate("SettingControls", control.caption.toLatin1().constData());
}

QStringList SettingChoices(const SettingControl& control) {
    QStringList shown;
    for (const QString& choice : control.choices)
        shown << (control.kind == SettingKind::PickList
                      ? ShownListItem(choice)
                      : QCoreApplication::translate("SettingControls",
                                                    choice.toLatin1().constData()));
    return shown;
}

int SettingValue(const SettingControl& control, const SettingsRecord& s) {
    // The accessor only picks the field; nothing is written.
    return control.field(const_cast<SettingsRecord&>(s));
}

} // namespace mtz4
