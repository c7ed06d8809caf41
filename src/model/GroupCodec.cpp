#include "model/GroupCodec.h"

#include "model/HexBits.h"

namespace mtz4 {

namespace {
constexpr int SlotBits = 64;     // each group row has an 8-byte slot
constexpr int GroupDigits = 192; // three 32-byte blocks, slots 0..11
// Slot 10 (GRP-B) carries a fixed bit after its 50 bank bits.
const char* const LastRowFiller = "00010000000000";
const char* const RowFiller = "00000000000000";
} // namespace

void DecodeGroups(DataSet& ds) {
    const QString bits = BitsOfLine(ds.GroupLine, GroupDigits);
    for (int r = 1; r < GroupRows; ++r)
        for (int b = 0; b < BankCount; ++b)
            ds.GroupFlag[r][b] = bits[SlotBits * r + b] == QLatin1Char('1');
}

void EncodeGroups(DataSet& ds) {
    QString bits;
    bits.reserve(GroupRows * SlotBits);
    for (int r = 0; r < GroupRows; ++r) {
        for (int b = 0; b < BankCount; ++b)
            bits += ds.GroupFlag[r][b] ? QLatin1Char('1') : QLatin1Char('0');
        bits += QLatin1String(r == GroupRows - 1 ? LastRowFiller : RowFiller);
    }
    ds.GroupLine = HexOfBits(bits);
}

void ShowGroups(DataSet& ds) {
    for (int r = 1; r < GroupRows; ++r)
        for (int b = 0; b < BankCount; ++b)
            ds.bank.chkGrp[BankCount * r + b] = ds.GroupFlag[r][b] ? 1 : 0;
}

void ReadGroupChecks(DataSet& ds) {
    for (int i = 0; i < GroupBoxCount; ++i)
        ds.GroupFlag[i / BankCount][i % BankCount] = ds.bank.chkGrp[i] == 1;
}

} // namespace mtz4
