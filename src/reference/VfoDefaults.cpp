#include "reference/VfoDefaults.h"

#include "model/EntryCodes.h"
#include "model/NumericText.h"
#include "model/RecordCodec.h"

namespace mtz4 {

namespace {

enum Mode : int { FM = 0, AM = 1, WFM = 2 };

struct BandPlan {
    const char* freq;
    int mode;
    int step;
    const char* offset;
};

constexpr int DefaultCarrier = 28; // "JR"

// Bands 0..7 of MT-Z4J and MT-Z40E.
const BandPlan fourteenBandLow[2][8] = {
    {
        {"0.100000", AM, 16, "0.250000"},
        {"0.531000", AM, 17, "1.000000"},
        {"2.000000", AM, 0, "1.000000"},
        {"51.000000", FM, 0, "1.000000"},
        {"76.000000", WFM, 10, "1.000000"},
        {"118.000000", AM, 7, "1.000000"},
        {"145.000000", FM, 6, "0.600000"},
        {"175.750000", WFM, 9, "6.000000"},
    },
    {
        {"0.100000", AM, 16, "0.250000"},
        {"0.522000", AM, 17, "1.000000"},
        {"1.625000", AM, 0, "1.000000"},
        {"51.000000", FM, 0, "1.000000"},
        {"87.600000", WFM, 10, "1.000000"},
        {"118.000000", AM, 7, "1.000000"},
        {"145.000000", FM, 4, "0.600000"},
        {"180.750000", WFM, 9, "6.000000"},
    },
};

// Bands 0..7 of MT-Z40T and MT-Z40K.
const BandPlan eightBand[8] = {
    {"0.100000", AM, 16, "0.250000"},  {"0.530000", AM, 3, "1.000000"},
    {"29.000000", FM, 3, "1.000000"},  {"59.750000", WFM, 3, "1.000000"},
    {"145.000000", FM, 3, "0.600000"}, {"216.000000", FM, 3, "9.000000"},
    {"400.000000", FM, 3, "5.000000"}, {"960.000000", FM, 3, "20.000000"},
};

// Bands 8..13, written for every model: MT-Z4J first, then every other model.
const BandPlan upperBands[2][6] = {
    {
        {"270.000000", AM, 4, "9.000000"},
        {"380.000000", FM, 4, "16.500000"},
        {"433.000000", FM, 6, "16.500000"},
        {"475.750000", WFM, 9, "6.000000"},
        {"806.000000", WFM, 6, "55.000000"},
        {"1295.000000", FM, 6, "20.000000"},
    },
    {
        {"270.000000", AM, 4, "9.000000"},
        {"380.000000", FM, 4, "16.500000"},
        {"433.000000", FM, 4, "16.500000"},
        {"476.750000", WFM, 9, "6.000000"},
        {"806.000000", WFM, 6, "55.000000"},
        {"1295.000000", FM, 6, "20.000000"},
    },
};

void SetBand(DataSet& ds, int band, const BandPlan& plan, int secret) {
    auto& data = ds.VfoData[band];
    auto& text = ds.VfoText[band];

    text[Col::Freq] = QString::fromLatin1(plan.freq);
    data[Col::Freq] = NumericValue(text[Col::Freq]);
    data[Col::Mode] = plan.mode;
    text[Col::Mode] = ModeText(plan.mode);
    data[Col::Step] = plan.step;
    text[Col::Step] = StepText(plan.step);
    data[Col::Option] = 0;
    text[Col::Option] = OptionText(0);
    data[Col::Secret] = secret;
    text[Col::Secret] = QString::number(secret);
    data[Col::Carrier] = DefaultCarrier;
    text[Col::Carrier] = CarrierText(DefaultCarrier);
    data[Col::Tone] = DefaultToneCode;
    text[Col::Tone] = ToneText(DefaultToneCode);
    data[Col::ShiftDir] = 0;
    text[Col::ShiftDir] = ShiftDirText(0);
    text[Col::Shift] = QString::fromLatin1(plan.offset);
    data[Col::Shift] = NumericValue(text[Col::Shift]);
}

} // namespace

void VfoDefaults(DataSet& ds) {
    const int model = ds.ModelIndex;
    const bool fourteenBands = model == Model::MTZ4J || model == Model::MTZ40E;
    const int variant = model == Model::MTZ4J ? 0 : 1;

    for (int b = 0; b < 8; ++b) {
        if (fourteenBands)
            SetBand(ds, b, fourteenBandLow[variant][b], 11);
        else
            SetBand(ds, b, eightBand[b], 8);
    }
    for (int b = 8; b < BandCount; ++b)
        SetBand(ds, b, upperBands[variant][b - 8], 11);

    for (int b = 0; b < BandCount; ++b) {
        ds.VfoText[b][Col::Note].clear();
        ds.VfoText[b][Col::Name].clear();
    }
}

} // namespace mtz4
