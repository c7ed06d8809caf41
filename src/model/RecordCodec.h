#pragma once

#include "model/DataSet.h"
#include "model/NumericText.h"

#include <QString>

namespace mtz4 {

// Secret codes run 0..28; the decoder repairs a larger one to 11. Carrier
// codes 0..27 stand for 300..3000 Hz, 28 for "JR".
inline constexpr int LastSecretCode = 28;
inline constexpr int SecretRepairCode = 11;
inline constexpr int CarrierJRCode = 28;

// The 32-byte record of a memory entry or band VFO.
//
// The decoders take a text whose data start at character 3 (a receiver reply
// tail "\r\n" + 64 digits + "\r\n", or a stored line with "\r\n" put in front).
// They return false for an empty record: "FFFFFFFF" leaves the row untouched,
// a frequency of 0 empties the whole row (note included).
bool DecodeMem(DataSet& ds, const QString& text, int entry);
bool DecodeVFO(DataSet& ds, const QString& text, int band);

// The encoders apply the option-byte rule of the model selected by
// ds.ModelIndex; the tables keep the code as it was.
// EncodeMem gives 64 hex digits, EncodeVFO 30 (bytes 0..14).
QString EncodeMem(const DataSet& ds, int entry);
QString EncodeVFO(const DataSet& ds, int band);

// Name <-> 12 hex digits (6 bytes, one character code each, 00 after the end).
// The encoder uses at most the first 6 characters and writes a character
// outside codes 32..126 as 20 (a space, as the decoder would read it anyway).
QString EncodeName(const QString& name);
QString DecodeName(QStringView digits);

// Frequency fields: MHz <-> 8 hex digits, little-endian Hz. Encoding rounds to
// whole hertz (halves to even) and keeps the low 32 bits; decoding reads the
// value as unsigned 32 bits, so it is never negative and at most
// 4294.967295 MHz; FFFFFFFF (erased memory) reads as 0.
QString FrequencyToHex(double mhz);
double HexToFrequency(QStringView digits);

// Display texts of the coded fields, shared by the decoders, the edit dialog
// and the CSV import.
QString ModeText(int code);     // "FM", "AM", "WFM"
QString StepText(int code);     // StepList entry
QString OptionText(int code);   // "OFF", "Train", "Tone", "Rev.", "Scr", "None" otherwise
QString CarrierText(int code);  // "300Hz".."3000Hz", "JR" for 28
QString ToneText(int code);     // ToneList entry
QString ShiftDirText(int code); // "Shift+", "Shift-", "OFF" otherwise

// The coded fields of an entry or band (columns 0..8), as numbers.
struct RecordFields {
    double freq = 0.0; // MHz
    int mode = 0;
    int step = 0;
    int option = 0;
    int secret = 0;
    int carrier = 0;
    int tone = 0;
    int shiftDir = 0;
    double shift = 0.0; // MHz
};

// Writes columns 0..8 of a record: each number and its display text, so
// that the two agree.
template <typename Numbers, typename Texts>
void PutRecordFields(Numbers& data, Texts& text, const RecordFields& f) {
    const auto put = [&](int column, double value, const QString& shown) {
        data[column] = value;
        text[column] = shown;
    };
    put(Col::Freq, f.freq, FormatMHz(f.freq));
    put(Col::Mode, f.mode, ModeText(f.mode));
    put(Col::Step, f.step, StepText(f.step));
    put(Col::Option, f.option, OptionText(f.option));
    put(Col::Secret, f.secret, QString::number(f.secret));
    put(Col::Carrier, f.carrier, CarrierText(f.carrier));
    put(Col::Tone, f.tone, ToneText(f.tone));
    put(Col::ShiftDir, f.shiftDir, ShiftDirText(f.shiftDir));
    put(Col::Shift, f.shift, FormatMHz(f.shift));
}

} // namespace mtz4
