#include "editing/StoreEditFields.h"

#include "model/NumericText.h"
#include "model/RecordCodec.h"

namespace mtz4 {

namespace {

// Columns 0..10, shared by memory entries and VFO bands.
template <typename Numbers, typename Texts>
void StoreRecord(Numbers& data, Texts& text, const EditFields& f) {
    const auto put = [&](int column, int code, const QString& shown) {
        data[column] = code;
        text[column] = shown;
    };

    const double freq = TypedNumericValue(f.freq);
    data[Col::Freq] = freq;
    text[Col::Freq] = FormatMHz(freq);

    if (f.mode >= 0)
        put(Col::Mode, f.mode, ModeText(f.mode));
    if (f.step >= 0)
        put(Col::Step, f.step, StepText(f.step));
    if (f.option >= 0)
        put(Col::Option, f.option, OptionText(f.option));

    const int secret = f.secret >= 0 ? f.secret : DefaultSecretCode;
    put(Col::Secret, secret, QString::number(secret));
    const int carrier = f.carrier >= 0 ? f.carrier : DefaultCarrierCode;
    put(Col::Carrier, carrier, CarrierText(carrier));
    if (f.tone >= 0)
        put(Col::Tone, f.tone, ToneText(f.tone));
    if (f.shiftDir >= 0)
        put(Col::ShiftDir, f.shiftDir, ShiftDirText(f.shiftDir));

    const double shift = TypedNumericValue(f.shift);
    data[Col::Shift] = shift;
    text[Col::Shift] = FormatMHz(shift);

    text[Col::Note] = f.note;
    text[Col::Name] = f.name;
}

} // namespace

void StoreMemoryEntry(DataSet& ds, int entry, const EditFields& fields) {
    ds.DataChanged = true;
    StoreRecord(ds.MemData[entry], ds.MemText[entry], fields);
    ds.MemData[entry][Col::Skip] = fields.skip ? 1.0 : 0.0;
    ds.MemEnable[entry] = fields.enable;
}

void StoreVfoBand(DataSet& ds, int band, const EditFields& fields) {
    ds.DataChanged = true;
    StoreRecord(ds.VfoData[band], ds.VfoText[band], fields);
}

} // namespace mtz4
