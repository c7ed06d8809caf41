#include "model/BankGrowth.h"

#include "model/BankCodec.h"
#include "model/EntryMoves.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <algorithm>

namespace mtz4 {

namespace {

int sizeOf(const DataSet& ds, int bank) {
    return qMax(0, SizeBoxValue(ds.bank.txtBank[bank]));
}

int totalOf(const DataSet& ds) {
    int total = 0;
    for (int b = 0; b < BankCount; ++b)
        total += sizeOf(ds, b);
    return total;
}

// The first entry of `bank` and the entry after its last; NoBank spans the
// channels after the last bank.
std::pair<int, int> spanOf(const DataSet& ds, int bank) {
    int start = 0;
    for (int b = 0; b < bank && b < BankCount; ++b)
        start += sizeOf(ds, b);
    const int end = bank == NoBank ? ChannelCount : start + sizeOf(ds, bank);
    return {qMin(start, ChannelCount), qMin(end, ChannelCount)};
}

void resize(DataSet& ds, int bank, int by) {
    if (bank == NoBank)
        return;
    ds.bank.txtBank[bank] = QString::number(sizeOf(ds, bank) + by);
    ds.BankText[bank] = ds.bank.txtBank[bank];
}

// Rotates the entries [first, last] of every table by one: the last to the
// front (`right`), or the first to the back.
void rotate(DataSet& ds, int first, int last, bool right) {
    const auto turn = [&](auto& table) {
        auto* begin = table.data() + first;
        auto* end = table.data() + last + 1;
        if (right)
            std::rotate(begin, end - 1, end);
        else
            std::rotate(begin, begin + 1, end);
    };
    turn(ds.MemData);
    turn(ds.MemText);
    turn(ds.MemEnable);
    turn(ds.MemNoteBytes);
}

} // namespace

int FreeChannelsAtEnd(const DataSet& ds, int bank) {
    const auto [start, end] = spanOf(ds, bank);
    int free = 0;
    for (int e = end - 1; e >= start && !EntryInUse(ds, e); --e)
        ++free;
    return free;
}

void MoveLastChannel(DataSet& ds, int from, int to) {
    const int freed = spanOf(ds, from).second - 1; // the channel given up
    const int toEnd = spanOf(ds, to).second;
    if (from > to)
        rotate(ds, toEnd, freed, true); // it comes before the banks in between
    else
        rotate(ds, freed, toEnd - 1, false);
    resize(ds, from, -1);
    resize(ds, to, +1);
    ReadBankTexts(ds);
}

int DonorFor(const DataSet& ds, int bank) {
    const int total = totalOf(ds);
    if (total > ChannelCount)
        return -1;
    if (FreeChannelsAtEnd(ds, NoBank) > 0 && total < ChannelCount)
        return NoBank;
    for (int b = bank + 1; b < BankCount; ++b) {
        if (FreeChannelsAtEnd(ds, b) > 0)
            return b;
    }
    for (int b = bank - 1; b >= 0; --b) {
        if (FreeChannelsAtEnd(ds, b) > 0)
            return b;
    }
    return -1;
}

QString BankGrowthText(int bank, int from, int to, const QList<BankDonation>& donations) {
    // "a, b and c"
    const auto listed = [](const QStringList& items) {
        if (items.size() < 2)
            return items.join(QString());
        return items.mid(0, items.size() - 1)
                   .join(QCoreApplication::translate("BankGrowth", ", ")) +
               QCoreApplication::translate("BankGrowth", " and ") + items.last();
    };
    QStringList parts;
    QStringList banks;
    for (const BankDonation& d : donations) {
        if (d.donor == NoBank)
            parts << QCoreApplication::translate("BankGrowth",
                                                 "%1 channels that belonged to no bank")
                         .arg(d.count);
        else
            banks << QCoreApplication::translate("BankGrowth", "bank %1 (%2; %3 left)")
                         .arg(d.donor)
                         .arg(d.count)
                         .arg(d.left);
    }
    if (!banks.isEmpty())
        parts << QCoreApplication::translate("BankGrowth", "the free channels at the end of %1")
                     .arg(listed(banks));
    return QCoreApplication::translate("BankGrowth",
                                       "Bank %1 grew from %2 to %3 channels, taking %4.")
        .arg(bank)
        .arg(from)
        .arg(to)
        .arg(listed(parts));
}

} // namespace mtz4
