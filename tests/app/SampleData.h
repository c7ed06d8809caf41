#pragma once

// A data set as a user would keep it: airband, marine, broadcast, amateur,
// PMR446, medium-wave and weather channels in banks sized to fit, a few
// Program Scan, Search Pass and Priority entries, and scan groups. The
// committed docs/sample.MZ4 (the README's screenshot) is this data set as
// the program writes it.

#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/RecordCodec.h"
#include "reference/FactoryData.h"

#include <QList>
#include <cmath>

namespace mtz4::test {

struct SampleChannel {
    double mhz;
    int mode; // 0 FM, 1 AM, 2 WFM
    int step; // StepList code
    const char* name;
    const char* note = "";
    int shiftDir = 0; // 0 off, 1 +, 2 -
    double shiftMhz = 0;
    int tone = 0; // ToneList code; with option 2 ("Tone")
    bool skip = false;
};

// The 32-byte record of a channel, as the receiver stores it.
inline QString SampleRecord(const SampleChannel& c) {
    auto byte = [](int v) {
        return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
    };
    const int option = c.tone > 0 ? 2 : 0;
    return FrequencyToHex(c.mhz) + byte(c.mode) + byte(c.step) + FrequencyToHex(c.shiftMhz) +
           byte(c.shiftDir) + byte(option) + byte(c.tone) + byte(0) + byte(0) +
           QStringLiteral("0000") + byte(c.skip ? 1 : 0) + QStringLiteral("0000000000000000") +
           EncodeName(QString::fromLatin1(c.name));
}

inline void PutSampleEntry(DataSet& ds, int entry, const SampleChannel& c) {
    DecodeMem(ds, QStringLiteral("\r\n") + SampleRecord(c), entry);
    ds.MemText[entry][Col::Note] = QString::fromLatin1(c.note);
    ds.MemEnable[entry] = true;
}

inline QList<QList<SampleChannel>> SampleBanks() {
    constexpr int FM = 0, AM = 1, WFM = 2;
    constexpr int K625 = 1, K833 = 2, K125 = 4, K25 = 7, K100 = 10, K9 = 17;
    constexpr int T885 = 8, T1000 = 12;
    QList<SampleChannel> air = {
        {118.100, AM, K833, "TWR", "Tower, main runway"},
        {119.250, AM, K833, "APP", "Approach"},
        {121.500, AM, K833, "GUARD", "International distress"},
        {121.775, AM, K833, "GND", "Ground movements"},
        {123.450, AM, K833, "A2A", "Air-to-air"},
        {124.350, AM, K833, "ATIS", "Weather and runway info"},
        {126.700, AM, K833, "INFO", "Flight information"},
        {128.600, AM, K833, "CTR", "Area control"},
        {131.725, AM, K833, "OPS", "Company ops", 0, 0, 0, true},
    };
    QList<SampleChannel> marine = {
        {156.800, FM, K25, "CH16", "Distress, safety, calling"},
        {156.300, FM, K25, "CH06", "Ship to ship"},
        {156.650, FM, K25, "CH13", "Bridge to bridge"},
        {156.450, FM, K25, "CH09", "Marinas"},
        {157.100, FM, K25, "CH22A", "Coast guard"},
        {161.975, FM, K25, "AIS1", "Data, skipped", 0, 0, 0, true},
        {162.025, FM, K25, "AIS2", "Data, skipped", 0, 0, 0, true},
    };
    QList<SampleChannel> broadcast = {
        {88.100, WFM, K100, "FM881"},   {89.700, WFM, K100, "FM897"},
        {91.300, WFM, K100, "FM913"},   {94.700, WFM, K100, "FM947", "Traffic news"},
        {98.500, WFM, K100, "FM985"},   {101.100, WFM, K100, "FM1011"},
        {104.900, WFM, K100, "FM1049"},
    };
    QList<SampleChannel> amateur = {
        {145.500, FM, K125, "2M CAL", "2 m calling"},
        {145.600, FM, K125, "RPT-A", "Repeater, 88.5 Hz", 2, 0.6, T885},
        {145.700, FM, K125, "RPT-B", "Repeater, 100 Hz", 2, 0.6, T1000},
        {433.500, FM, K25, "70CM", "70 cm calling"},
        {438.800, FM, K25, "RPT-C", "Repeater, 7.6 MHz shift", 2, 7.6, T885},
        {144.800, FM, K125, "APRS", "Packet, skipped", 0, 0, 0, true},
    };
    QList<SampleChannel> pmr;
    static const char* const pmrNames[] = {"PMR1", "PMR2", "PMR3", "PMR4",
                                           "PMR5", "PMR6", "PMR7", "PMR8"};
    for (int k = 0; k < 8; ++k)
        pmr.append({446.00625 + 0.0125 * k, FM, K625, pmrNames[k], k == 0 ? "Family radio" : ""});
    QList<SampleChannel> mediumWave = {
        {0.594, AM, K9, "MW594"},
        {0.693, AM, K9, "MW693"},
        {0.909, AM, K9, "MW909", "Evening news"},
        {1.215, AM, K9, "MW1215"},
    };
    QList<SampleChannel> weather;
    static const char* const wxNames[] = {"WX1", "WX2", "WX3", "WX4", "WX5", "WX6", "WX7"};
    const double wx[] = {162.550, 162.400, 162.475, 162.425, 162.450, 162.500, 162.525};
    for (int k = 0; k < 7; ++k)
        weather.append({wx[k], FM, K25, wxNames[k]});
    return {air, marine, broadcast, amateur, pmr, mediumWave, weather};
}

// Fills ds with the sample: a factory data set of model 0 ("MT-Z4J") with the
// banks above, the remaining channels in one last bank, and a few list entries.
inline void FillSampleDataSet(DataSet& ds) {
    MakeFactoryDataSet(ds, 0);
    const QList<QList<SampleChannel>> banks = SampleBanks();
    int entry = 0;
    for (int b = 0; b < BankCount; ++b)
        ds.bank.txtBank[b] = QStringLiteral("0");
    for (int b = 0; b < banks.size(); ++b) {
        ds.bank.txtBank[b] = QString::number(banks[b].size());
        for (const SampleChannel& c : banks[b])
            PutSampleEntry(ds, entry++, c);
    }
    ds.bank.txtBank[banks.size()] = QString::number(ChannelCount - entry);
    ReadBankTexts(ds);
    for (int b = 0; b < BankCount; ++b)
        ds.BankText[b] = ds.bank.txtBank[b];

    constexpr int FM = 0, AM = 1;
    // Program Scan pairs: airband, marine, 70 cm.
    PutSampleEntry(ds, FirstProgramScanEntry + 0, {118.000, AM, 2, ""});
    PutSampleEntry(ds, FirstProgramScanEntry + 1, {136.975, AM, 2, ""});
    PutSampleEntry(ds, FirstProgramScanEntry + 2, {156.000, FM, 7, ""});
    PutSampleEntry(ds, FirstProgramScanEntry + 3, {162.025, FM, 7, ""});
    PutSampleEntry(ds, FirstProgramScanEntry + 4, {430.000, FM, 7, ""});
    PutSampleEntry(ds, FirstProgramScanEntry + 5, {440.000, FM, 7, ""});
    // Search Pass: frequencies the search skips.
    PutSampleEntry(ds, FirstSearchPassEntry + 0, {120.000, AM, 2, "", "Birdie"});
    PutSampleEntry(ds, FirstSearchPassEntry + 1, {160.000, FM, 7, "", "Pager"});
    // Priority: distress channels.
    PutSampleEntry(ds, FirstPriorityEntry + 0, {121.500, AM, 2, "GUARD"});
    PutSampleEntry(ds, FirstPriorityEntry + 1, {156.800, FM, 7, "CH16"});

    // Groups: GRP1 air and marine, GRP2 the amateur and PMR banks.
    ds.bank.chkGrp[1 * BankCount + 0] = 1;
    ds.bank.chkGrp[1 * BankCount + 1] = 1;
    ds.bank.chkGrp[2 * BankCount + 3] = 1;
    ds.bank.chkGrp[2 * BankCount + 4] = 1;

    ds.VfoText[1][Col::Note] = QStringLiteral("Medium wave");
    ds.VfoText[2][Col::Note] = QStringLiteral("Short wave");
    ds.VfoText[4][Col::Note] = QStringLiteral("FM broadcast");
    ds.VfoText[5][Col::Note] = QStringLiteral("Airband");
    ds.DataChanged = false;
}

} // namespace mtz4::test
