#include "model/BankCodec.h"

#include "model/HexBits.h"
#include "model/NumericText.h"

namespace mtz4 {

namespace {
constexpr int BanksPerSlot = 16;
constexpr int BankSlots = 4;
// Words after the 50 bank sizes that the receiver expects: 100, 100, 100, 20.
const char* const BankTableTail = "6400640064001400";
} // namespace

int SizeBoxValue(const QString& text) {
    const qint64 value = RoundHalfEven(NumericValue(text));
    return int(qBound(qint64(-32768), value, qint64(32767)));
}

int BankStart(const DataSet& ds, int bank) {
    int start = 0;
    for (int b = 0; b < bank && b < BankCount; ++b)
        start += ds.BankSize[b];
    return start;
}

void DecodeBanks(DataSet& ds) {
    for (int d = 0; d < BankCount; ++d) {
        const QString& slot = ds.BankLines[d / BanksPerSlot];
        const int pos = 4 * (d % BanksPerSlot);
        const int word = HexByteAt(slot, pos) | (HexByteAt(slot, pos + 2) << 8);
        const int size = word >= 0x8000 ? word - 0x10000 : word; // a 16-bit signed number
        ds.BankSize[d] = size;
        ds.BankText[d] = QString::number(size);
    }
}

namespace {

// The sizes EncodeBanks writes for the bank texts: the first bank crossing
// the 1000-channel limit is cut to the remainder, the later banks emptied.
std::array<int, BankCount> FittedBankSizes(const DataSet& ds) {
    std::array<int, BankCount> sizes{};
    int total = 0;
    for (int i = 0; i < BankCount; ++i) {
        // A negative size (a 16-bit value of 8000h or more read from the
        // receiver or a file) is no size at all: it would let the other banks
        // grow past 1000 channels and cannot be written as a size.
        const int size = qMax(0, SizeBoxValue(ds.BankText[i]));
        sizes[i] = qMin(size, ChannelCount - total);
        total += sizes[i];
    }
    return sizes;
}

} // namespace

QList<BankCut> BankCutsOfEncode(const DataSet& ds) {
    const std::array<int, BankCount> fitted = FittedBankSizes(ds);
    QList<BankCut> cuts;
    for (int i = 0; i < BankCount; ++i) {
        const int given = SizeBoxValue(ds.BankText[i]);
        if (given != fitted[i])
            cuts.append({i, given, fitted[i]});
    }
    return cuts;
}

void EncodeBanks(DataSet& ds) {
    // The sizes are fitted as the bank texts give them: ShowBanks below takes
    // the sizes from the texts again, so fitting anything else could still
    // write a total above 1000 when the two tables disagree.
    const std::array<int, BankCount> fitted = FittedBankSizes(ds);
    for (int i = 0; i < BankCount; ++i) {
        ds.BankSize[i] = fitted[i];
        ds.BankText[i] = QString::number(fitted[i]);
    }

    ShowBanks(ds);

    for (int slot = 0; slot < BankSlots; ++slot) {
        QString line;
        for (int d = BanksPerSlot * slot; d < qMin(BanksPerSlot * (slot + 1), BankCount); ++d) {
            const int size = ds.BankSize[d];
            line += HexByte(size) + HexByte(size >> 8); // low byte first
        }
        if (slot == BankSlots - 1)
            line += QLatin1String(BankTableTail);
        ds.BankLines[slot] = line;
    }
}

void ShowBanks(DataSet& ds) {
    int total = 0;
    for (int i = 0; i < BankCount; ++i) {
        ds.bank.txtBank[i] = ds.BankText[i];
        ds.BankSize[i] = SizeBoxValue(ds.BankText[i]);
        total += ds.BankSize[i];
    }
    ds.bank.lblAll = QString::number(total);
}

void ReadBankTexts(DataSet& ds) {
    int total = 0;
    for (int i = 0; i < BankCount; ++i) {
        ds.BankSize[i] = SizeBoxValue(ds.bank.txtBank[i]);
        total += ds.BankSize[i];
    }
    ds.BankSize[BankCount] = total <= ChannelCount - 1 ? ChannelCount - total : 0;
    ds.bank.lblAll = QString::number(total);
}

} // namespace mtz4
