#include "model/SettingControls.h"

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
         .tip = {"The receiver's squelch level, 0 to 9: the higher it is, the stronger a signal "
                 "must be to be heard.",
                 "受信機のスケルチレベル（0～9）です。大きいほど、強い信号でないと聞こえません。"},
         .maximum = 9,
         .numberLabel = "lblSql"},
        {.page = P::One,
         .name = "Slider1",
         .caption = "AF volume level",
         .kind = K::Slider,
         .field = FIELD(Slider1),
         .tip = {"The receiver's audio volume, 0 to 30.", "受信機の音量（0～30）です。"},
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
         {"The receiver's operating mode: tuning with the VFO, the preset frequencies, or the "
          "memory channels.",
          "受信機の動作モードです：VFO、プリセット、メモリーのいずれかです。"}},
        {P::Two,
         "optLamp",
         "Lamp",
         K::Options,
         {"OFF", "5sec", "ON", "ALL OFF"},
         FIELD(optLamp),
         {"The display lamp: OFF, 5sec (lit for five seconds after a key press), ON (always lit) "
          "or ALL OFF.",
          "表示の照明です：OFF、5sec（キー操作後5秒点灯）、ON（常に点灯）、ALL OFF "
          "のいずれかです。"}},
        {P::Two,
         "opbMONI",
         "MONI key",
         K::Options,
         {"Monitor", "Mute"},
         FIELD(opbMONI),
         {"What the MONI key does: Monitor opens the squelch to listen, Mute silences the audio.",
          "MONI キーの働きです：Monitor はスケルチを開いて聞き、Mute は音声を消します。"}},
        {P::Two,
         "opbKeyFunc",
         "MONI key Function",
         K::Options,
         {"Push", "Hold"},
         FIELD(opbKeyFunc),
         {"How the MONI key acts: only while it is held down (Push), or on and off with each press "
          "(Hold).",
          "MONI キーの動作です：押している間だけ（Push）か、押すたびに入・切（Hold）です。"}},
        {P::Two,
         "opbKeyLock",
         "Key Lock",
         K::Options,
         {"NON", "QUICK", "NORMAL"},
         FIELD(opbKeyLock),
         {"The kind of key lock: NON, QUICK or NORMAL.",
          "キーロックの種類です：NON、QUICK、NORMAL のいずれかです。"}},
        {P::Two,
         "opbAPO",
         "Auto Power Off",
         K::Options,
         {"Off", "30", "60", "90"},
         FIELD(opbAPO),
         {"Switches the receiver off after 30, 60 or 90 minutes without a key press, or never "
          "(Off).",
          "キー操作のないまま 30、60、90 分たつと電源を切ります（Off は切りません）。"}},
        {.page = P::Two,
         .name = "optRecRate",
         .caption = "Rec. Rate",
         .kind = K::Options,
         .choices = {"LONG", "NORMAL", "CLEAR", "HIGH-Q"},
         .field = FIELD(optRecRate),
         .tip = {"The quality of the receiver's recordings: LONG, NORMAL, CLEAR or HIGH-Q (MT-Z4J "
                 "only).",
                 "受信機の録音の品質です：LONG、NORMAL、CLEAR、HIGH-Q のいずれかです（MT-Z4J "
                 "のみ）。"},
         .firstModelOnly = true},
        {.page = P::Two,
         .name = "opbBug",
         .caption = "Bug Sensitive Level",
         .kind = K::Options,
         .choices = Numbers(1, 5),
         .field = FIELD(opbBug),
         .tip = {"The sensitivity level of the bug function, 1 to 5 (MT-Z4J only).",
                 "バグ機能の感度レベル（1～5）です（MT-Z4J のみ）。"},
         .firstModelOnly = true},
        {P::Two,
         "optVscanSpeed",
         "VFO Scan Speed",
         K::Options,
         Numbers(1, 5),
         FIELD(optVscanSpeed),
         {"The speed of a VFO scan, 1 to 5.", "VFO スキャンの速度（1～5）です。"}},
        {P::Two,
         "optMscanSpeed",
         "Memory Scan Speed",
         K::Options,
         Numbers(1, 5),
         FIELD(optMscanSpeed),
         {"The speed of a memory scan, 1 to 5.", "メモリースキャンの速度（1～5）です。"}},

        // "Settings 2": pick lists
        {P::Two,
         "cbbScan",
         "Scan",
         K::PickList,
         Items(ref.ScanTimerList),
         FIELD(cbbScan),
         {"How long a scan stays on a signal: BUSY (as long as the signal lasts) or 1 to 25 "
          "seconds.",
          "スキャンが信号で止まる時間です：BUSY（信号が続く間）または 1～25 秒です。"}},
        {P::Two,
         "cbbChargeTime",
         "Charge Time",
         K::PickList,
         Items(ref.ChargeTimeList),
         FIELD(cbbChargeTime),
         {"How long the receiver charges its battery, 1 to 24 hours.",
          "電池を充電する時間（1～24 時間）です。"}},
        {P::Two,
         "cbbSetMode",
         "Set Mode",
         K::PickList,
         Items(ref.SetModeTimeList),
         FIELD(cbbSetMode),
         {"When the receiver leaves set mode by itself: after 5 to 25 seconds, or never (MANUAL).",
          "セットモードを自動で抜けるまでの時間です：5～25 秒、または抜けません（MANUAL）。"}},
        {P::Two,
         "cbbWildKey",
         "Wild Key",
         K::PickList,
         Items(ref.WildKeyList),
         FIELD(cbbWildKey),
         {"The setting that the wild key calls up directly.",
          "ワイルドキーで直接呼び出す設定です。"}},
        {P::Two,
         "cbbRemocon0",
         "Remote Controller A",
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[0]),
         {"The function of key A of the remote controller.",
          "リモコンの A キーに割り当てる機能です。"}},
        {P::Two,
         "cbbRemocon1",
         "Remote Controller B",
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[1]),
         {"The function of key B of the remote controller.",
          "リモコンの B キーに割り当てる機能です。"}},
        {P::Two,
         "cbbRemocon2",
         "Remote Controller C",
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[2]),
         {"The function of key C of the remote controller.",
          "リモコンの C キーに割り当てる機能です。"}},
        {P::Two,
         "cbbRemocon3",
         "Remote Controller D",
         K::PickList,
         Items(ref.RemoconKeyList),
         FIELD(cbbRemocon[3]),
         {"The function of key D of the remote controller.",
          "リモコンの D キーに割り当てる機能です。"}},
        {P::Two,
         "cbbTimePr",
         "Time Pr",
         K::PickList,
         Items(ref.ScanTimerList),
         FIELD(cbbTimePr),
         {"The priority time (Pr): BUSY or 1 to 25 seconds.",
          "プライオリティ（Pr）の時間です：BUSY または 1～25 秒です。"}},
        {P::Two,
         "cbbTimeSp",
         "Time Sp",
         K::PickList,
         Items(ref.TimeSpList),
         FIELD(cbbTimeSp),
         {"The time Sp: 5 to 60 seconds.", "Sp の時間です：5～60 秒です。"}},

        // "Settings 2": two-way option groups
        {P::Two,
         "optAntenna",
         "Antenna",
         K::Options,
         {"SMA", "EAR"},
         FIELD(optAntenna),
         {"The antenna the receiver uses: the one on its SMA socket, or the earphone cord (EAR).",
          "受信に使うアンテナです：SMA 端子のアンテナか、イヤホンのコード（EAR）です。"}},
        {P::Two,
         "optSkip",
         "Scan TYPE",
         K::Options,
         {"No SKIP", "SKIP"},
         FIELD(optSkip),
         {"Whether a scan passes over the entries marked to skip (SKIP) or stops on them as well "
          "(No SKIP).",
          "スキップ指定のエントリーをスキャンで飛ばす（SKIP）か、飛ばさない（No SKIP）かです。"}},
        {P::Two,
         "optBand",
         "Band Transition",
         K::Options,
         {"Rotate", "Across"},
         FIELD(optBand),
         {"Tuning past the end of a band goes back to the band's start (Rotate) or on into the "
          "next band (Across).",
          "バンドの端を越えると、そのバンドの先頭に戻る（Rotate）か、次のバンドに移る（Across）かで"
          "す。"}},
        {.page = P::Two,
         .name = "optLockBug",
         .caption = "Lock BUG",
         .kind = K::Options,
         .choices = {"ENABLE", "DISABLE"},
         .field = FIELD(optLockBug),
         .tip = {"Lock BUG: ENABLE or DISABLE (MT-Z4J only).",
                 "Lock BUG です：ENABLE または DISABLE です（MT-Z4J のみ）。"},
         .firstModelOnly = true},
        {.page = P::Two,
         .name = "optBugType",
         .caption = "Bug Type",
         .kind = K::Options,
         .choices = {"SILENT", "SOUND"},
         .field = FIELD(optBugType),
         .tip = {"The bug type: SILENT or SOUND (MT-Z4J only).",
                 "バグの種類です：SILENT または SOUND です（MT-Z4J のみ）。"},
         .firstModelOnly = true},
        {P::Two,
         "optAfTone",
         "AF Tone",
         K::Options,
         {"Low", "High"},
         FIELD(optAfTone),
         {"The tone of the audio: Low (more bass) or High (more treble).",
          "音質です：Low（低音寄り）または High（高音寄り）です。"}},

        // "Settings 2": check boxes
        {P::Two,
         "chkATT",
         "Attenuator",
         K::Check,
         {},
         FIELD(chkATT),
         {"Switches on the attenuator, which weakens strong signals at the receiver's input.",
          "アッテネーターを入れて、強い入力信号を弱めます。"}},
        {P::Two,
         "chkAutoStep",
         "Auto Step",
         K::Check,
         {},
         FIELD(chkAutoStep),
         {"Lets the receiver choose the tuning step of each band by itself.",
          "バンドごとのチューニングステップを受信機が自動で選びます。"}},
        {P::Two,
         "chkBeep",
         "Beep",
         K::Check,
         {},
         FIELD(chkBeep),
         {"Sounds a beep at each key press.", "キーを押すたびにビープ音を鳴らします。"}},
        {P::Two,
         "chkBell",
         "Bell",
         K::Check,
         {},
         FIELD(chkBell),
         {"The bell: on or off.", "ベルです：オンまたはオフです。"}},
        {P::Two,
         "chkAutoWave",
         "Auto Wave",
         K::Check,
         {},
         FIELD(chkAutoWave),
         {"Auto Wave: on or off.", "Auto Wave です：オンまたはオフです。"}},
        {P::Two,
         "chkBarAM",
         "AM bar antenna",
         K::Check,
         {},
         FIELD(chkBarAM),
         {"Receives AM broadcasts with the built-in bar antenna.",
          "AM 放送を内蔵のバーアンテナで受信します。"}},
        {P::Two,
         "chkBS",
         "Battery Save",
         K::Check,
         {},
         FIELD(chkBS),
         {"Saves battery power while no signal is received.",
          "信号を受信していない間、電池を節約します。"}},
        {P::Two,
         "chkBarSW",
         "SW bar antenna",
         K::Check,
         {},
         FIELD(chkBarSW),
         {"Receives short wave with the built-in bar antenna.",
          "短波を内蔵のバーアンテナで受信します。"}},
        {P::Two,
         "chkCharge",
         "Charge",
         K::Check,
         {},
         FIELD(chkCharge),
         {"Lets the receiver charge its battery, for the time under Charge Time.",
          "電池を充電します（時間は Charge Time で決めます）。"}},

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
    return control.tip.english ? InLanguage(control.tip.english, control.tip.japanese) : QString();
}

int SettingValue(const SettingControl& control, const SettingsRecord& s) {
    // The accessor only picks the field; nothing is written.
    return control.field(const_cast<SettingsRecord&>(s));
}

} // namespace mtz4
