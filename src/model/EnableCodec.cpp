#include "model/EnableCodec.h"

#include "model/HexBits.h"

namespace mtz4 {

namespace {
constexpr int EnableDigits = 512; // 2048 bits, more than the 1300 entries
constexpr int DigitsPerSlot = 64; // one 32-byte block per slot
constexpr int EnableSlots = 6;
} // namespace

void DecodeEnable(DataSet& ds) {
    QString line;
    for (const QString& slot : ds.EnableLines)
        line += slot;
    const QString bits = BitsOfLine(line, EnableDigits);
    for (int n = 0; n < EntryCount; ++n)
        ds.MemEnable[n] = bits[n] == QLatin1Char('1');
}

void EncodeEnable(DataSet& ds) {
    QString bits;
    bits.reserve(EntryCount);
    for (int n = 0; n < EntryCount; ++n)
        bits += ds.MemEnable[n] ? QLatin1Char('1') : QLatin1Char('0');
    const QString hex = HexOfBits(bits); // 325 digits
    for (int j = 0; j < EnableSlots; ++j)
        ds.EnableLines[j] = hex.mid(j * DigitsPerSlot, DigitsPerSlot);
}

} // namespace mtz4
