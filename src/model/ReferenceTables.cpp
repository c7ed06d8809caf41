#include "model/ReferenceTables.h"

namespace mtz4 {

namespace {

template <std::size_t N>
void Fill(std::array<QString, N>& table, std::initializer_list<const char*> texts) {
    std::size_t i = 0;
    for (const char* text : texts)
        table[i++] = QString::fromLatin1(text);
}

struct Band {
    const char* label;
    double lower;
    double upper;
};

template <std::size_t N> void FillBands(ReferenceTables& t, int model, const Band (&bands)[N]) {
    for (std::size_t b = 0; b < N; ++b) {
        t.BandLabel[model][b] = QString::fromLatin1(bands[b].label);
        t.BandLimit[model][b] = {bands[b].lower, bands[b].upper};
    }
}

void FillFixedTexts(ReferenceTables& t) {
    t.CloneHeader = QStringLiteral("Orlenk  MT-Z4  Clone  File Start");
    t.CloneTrailer = QStringLiteral("Orlenk  MT-Z4  Clone  File   End");
    t.AppTitle = QStringLiteral("Orlenk MT-Z4/Z40 Clone Utility");
}

void FillRecordTexts(ReferenceTables& t) {
    // Step codes 16 and 17 were added after "1MHz": the list is in code order,
    // not in step-size order. Slots 18 and 19 stay empty.
    Fill(t.StepList,
         {"5KHz", "6.25KHz", "8.33KHz", "10KHz", "12.5KHz", "15KHz", "20KHz", "25KHz", "30KHz",
          "50KHz", "100KHz", "125KHz", "150KHz", "200KHz", "500KHz", "1MHz", "1KHz", "9KHz"});
    Fill(t.ToneList,
         {"67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",  "85.4Hz",
          "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz", "107.2Hz", "110.9Hz",
          "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz", "136.5Hz", "141.3Hz", "146.2Hz",
          "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz", "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz",
          "203.5Hz", "210.7Hz", "218.1Hz", "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"});
    Fill(t.OptionList, {"OFF", "Train", "Tone", "Rev.", "Scr"});
}

void FillSettingsLists(ReferenceTables& t) {
    t.ScanTimerList[0] = QStringLiteral("BUSY");
    for (int s = 1; s <= 25; ++s)
        t.ScanTimerList[s] = QStringLiteral("%1 SEC").arg(s);

    for (int h = 1; h <= 24; ++h)
        t.ChargeTimeList[h - 1] = QStringLiteral("%1 hrs.").arg(h);

    // One-digit seconds carry a leading blank so the list lines up.
    t.SetModeTimeList[0] = QStringLiteral("MANUAL");
    for (int s = 5; s <= 25; ++s)
        t.SetModeTimeList[s - 4] = QStringLiteral("%1 SEC").arg(s, 2);

    Fill(t.WildKeyList,
         {"ATT",    "ANTENA", "ABAR",   "SBAR",   "LAMP",   "SCANTP", "PRIO",   "TIMESP",
          "TIMEPR", "BAND",   "APO",    "BS",     "BEEP",   "BELL",   "MONTYP", "MONFNC",
          "LOCBUG", "BUGSNS", "BUGTYP", "CHARGE", "CHGTIM", "SETMOD", "PROTCT", "SKIP",
          "WILDKY", "RMCN-A", "RMCN-B", "RMCN-C", "RMCN-D"});
    Fill(t.RemoconKeyList,
         {"UP",    "DOWN",   "V/P/M", "AUX IN", "TONE", "REVTON", "TRAIN", "MONI", "BAND", "PRIO",
          "SPEED", "AFTONE", "PLAY",  "REC",    "ATT",  "ANTENA", "ABAR",  "SBAR", "BEEP", "BELL"});
    Fill(t.TimeSpList,
         {" 5-SEC", "10-SEC", "15-SEC", "20-SEC", "25-SEC", "30-SEC", "45-SEC", "60-SEC"});
}

void FillBandTables(ReferenceTables& t) {
    static const Band z4j[] = {
        {"(0.1-0.530MHz)", 0.1, 0.53},          {"(0.531-1.620MHz)", 0.531, 1.62},
        {"(1.625-49.995MHz)", 1.625, 49.995},   {"(50.000-75.995MHz)", 50, 75.995},
        {"(76.000-107.995MHz)", 76, 107.995},   {"(108.000-141.995MHz)", 108, 141.995},
        {"(142.000-169.995MHz)", 142, 169.995}, {"(170.000-221.995MHz)", 170, 221.995},
        {"(222.000-335.995MHz)", 222, 335.995}, {"(336.000-429.995MHz)", 336, 429.995},
        {"(430.000-469.995MHz)", 430, 469.995}, {"(470.000-769.995MHz)", 470, 769.995},
        {"(770.000-959.995MHz)", 770, 959.995}, {"(960.000-1299.995MHz)", 960, 1299.995},
    };
    static const Band z40e[] = {
        {"(0.1-0.521MHz)", 0.1, 0.521},         {"(0.522-1.620MHz)", 0.522, 1.62},
        {"(1.625-49.995MHz)", 1.625, 49.995},   {"(50.000-75.995MHz)", 50, 75.995},
        {"(76.000-107.995MHz)", 76, 107.995},   {"(108.000-141.995MHz)", 108, 141.995},
        {"(142.000-169.995MHz)", 142, 169.995}, {"(170.000-229.995MHz)", 170, 229.995},
        {"(230.000-335.995MHz)", 230, 335.995}, {"(336.000-429.995MHz)", 336, 429.995},
        {"(430.000-469.995MHz)", 430, 469.995}, {"(470.000-869.995MHz)", 470, 869.995},
        {"(870.000-959.995MHz)", 870, 959.995}, {"(960.000-1299.995MHz)", 960, 1299.995},
    };
    // The two eight-band models share their band plan.
    static const Band eightBands[] = {
        {"(0.1-0.529MHz)", 0.1, 0.529},         {"(0.530-28.995MHz)", 0.53, 28.995},
        {"(29.000-59.745MHz)", 29, 59.745},     {"(59.750-107.995MHz)", 59.75, 107.995},
        {"(108.000-215.995MHz)", 108, 215.995}, {"(216.000-399.995MHz)", 216, 399.995},
        {"(400.000-959.995MHz)", 400, 959.995}, {"(960.000-1299.995MHz)", 960, 1299.995},
    };
    // Model MT-Z40T must refuse the cellular-telephone ranges; they sit in its
    // unused band slots 8 and 9, without a caption.
    static const Band z40tCellular[] = {
        {"", 824, 849.995},
        {"", 869, 894.995},
    };

    for (auto& labels : t.BandLabel)
        labels.fill(QString());
    for (auto& limits : t.BandLimit)
        limits.fill({0.0, 0.0});
    FillBands(t, Model::MTZ4J, z4j);
    FillBands(t, Model::MTZ40E, z40e);
    FillBands(t, Model::MTZ40T, eightBands);
    FillBands(t, Model::MTZ40K, eightBands);
    for (int i = 0; i < 2; ++i)
        t.BandLimit[Model::MTZ40T][8 + i] = {z40tCellular[i].lower, z40tCellular[i].upper};
}

void FillProgramScanLabels(ReferenceTables& t) {
    for (int k = 0; k < 100; ++k)
        t.ProgramScanLabel[k] = QStringLiteral("P%1%2").arg(k / 2).arg(
            k % 2 == 0 ? QLatin1Char('A') : QLatin1Char('B'));
}

ReferenceTables Build() {
    ReferenceTables t;
    FillFixedTexts(t);
    FillRecordTexts(t);
    FillSettingsLists(t);
    FillBandTables(t);
    FillProgramScanLabels(t);
    return t;
}

} // namespace

const ReferenceTables& Ref() {
    static const ReferenceTables tables = Build();
    return tables;
}

void InitReferenceTables() {
    (void)Ref();
}

QString ModelName(int model) {
    static const std::array<const char*, 6> names{"MT-Z4J",  "MT-Z40E", "MT-Z40T",
                                                  "MT-Z40K", "MT-K2 T", "MT-K2 E"};
    return model >= 0 && model < int(names.size()) ? QString::fromLatin1(names[model]) : QString();
}

bool CellularAllowed(double mhz) {
    const auto& limits = Ref().BandLimit[Model::MTZ40T];
    for (int slot = 8; slot <= 9; ++slot)
        if (mhz >= limits[slot][0] && mhz <= limits[slot][1])
            return false;
    return true;
}

} // namespace mtz4
