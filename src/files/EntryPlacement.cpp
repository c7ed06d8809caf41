#include "files/EntryPlacement.h"

#include "model/BankCodec.h"
#include "model/BankGrowth.h"
#include "model/EntryMoves.h"

#include <QCoreApplication>
#include <QMap>

namespace mtz4 {

namespace {

constexpr int ProgramScanPairs = (FirstSearchPassEntry - FirstProgramScanEntry) / 2;
constexpr int ShownPriorityEntries = 10; // Pr0..Pr9

std::pair<int, int> listSpan(ImportList list) {
    switch (list) {
    case ImportList::Channels:
        break;
    case ImportList::ProgramScan:
        return {FirstProgramScanEntry, FirstSearchPassEntry};
    case ImportList::SearchPass:
        return {FirstSearchPassEntry, FirstPriorityEntry};
    case ImportList::Priority:
        return {FirstPriorityEntry, FirstPriorityEntry + ShownPriorityEntries};
    }
    return {0, ChannelCount};
}

int sizeOf(const DataSet& ds, int bank) {
    return qMax(0, SizeBoxValue(ds.bank.txtBank[bank]));
}

int startOf(const DataSet& ds, int bank) {
    int start = 0;
    for (int b = 0; b < bank; ++b)
        start += sizeOf(ds, b);
    return start;
}

// The memory channels that belong to a bank: up to the last bank's end.
int channelsInBanks(const DataSet& ds) {
    return qMin(startOf(ds, BankCount), ChannelCount);
}

QString noFreeEntry(ImportList list) {
    switch (list) {
    case ImportList::Channels:
        break;
    case ImportList::ProgramScan:
        return QCoreApplication::translate("EntryPlacement", "no free Program Scan pair left");
    case ImportList::SearchPass:
        return QCoreApplication::translate("EntryPlacement", "no free Search Pass entry left");
    case ImportList::Priority:
        return QCoreApplication::translate("EntryPlacement",
                                           "no free Priority entry left (0 to 9)");
    }
    return QCoreApplication::translate("EntryPlacement", "no free memory channel left");
}

} // namespace

EntryPlacement::EntryPlacement(const ImportDestination& destination) : destination_(destination) {}

void EntryPlacement::start(const DataSet& ds) {
    started_ = true;
    for (int l = 0; l < int(nextFree_.size()); ++l)
        nextFree_[l] = listSpan(ImportList(l)).first;
    switch (destination_.kind) {
    case ImportDestination::Kind::AsNumbered:
        mode_ = Mode::Numbered;
        return;
    case ImportDestination::Kind::FreeEntries:
        mode_ = Mode::Free;
        return;
    case ImportDestination::Kind::Bank:
        mode_ = Mode::Bank;
        bank_ = qBound(0, destination_.bank, BankCount - 1);
        channel_ = 0;
        break;
    case ImportDestination::Kind::FromEntry: {
        const int entry = qBound(0, destination_.entry, EntryCount - 1);
        list_ = ImportListOfEntry(entry);
        if (list_ != ImportList::Channels) {
            mode_ = Mode::Consecutive;
            next_ = entry;
            end_ = listSpan(list_).second;
            return;
        }
        // The bank that holds the entry; none beyond the last bank.
        mode_ = Mode::Consecutive;
        next_ = end_ = 0;
        for (int b = 0; b < BankCount; ++b) {
            const int first = startOf(ds, b);
            if (entry >= first && entry < first + sizeOf(ds, b)) {
                mode_ = Mode::Bank;
                bank_ = b;
                channel_ = entry - first;
            }
        }
        break;
    }
    }
    if (bank_ >= 0)
        sizeBefore_ = sizeOf(ds, bank_);
}

int EntryPlacement::target(DataSet& ds, ImportList list, int numbered, QString* whyNot) {
    if (!started_)
        start(ds);
    if (mode_ == Mode::Numbered)
        return numbered;
    const bool toDestination = list == ImportList::Channels || list == list_;
    if (toDestination && mode_ == Mode::Bank)
        return bankTarget(ds, whyNot);
    if (toDestination && mode_ == Mode::Consecutive) {
        if (next_ < end_)
            return next_;
        *whyNot = QCoreApplication::translate("EntryPlacement", "beyond the end of the list");
        return -1;
    }
    if (list == ImportList::ProgramScan)
        return freePairEdge(ds, numbered, whyNot);
    return freeEntry(ds, list, whyNot);
}

int EntryPlacement::bankTarget(DataSet& ds, QString* whyNot) {
    if (channel_ >= sizeOf(ds, bank_)) {
        const int donor = DonorFor(ds, bank_);
        if (donor < 0) {
            *whyNot =
                QCoreApplication::translate(
                    "EntryPlacement", "no room left: bank %1 is full, and no other bank has a free "
                                      "channel at its end")
                    .arg(bank_);
            return -1;
        }
        MoveLastChannel(ds, donor, bank_);
        donors_ << donor;
        lastGrownUnused_ = true;
    }
    return startOf(ds, bank_) + channel_;
}

int EntryPlacement::freeEntry(const DataSet& ds, ImportList list, QString* whyNot) {
    const int end = list == ImportList::Channels ? channelsInBanks(ds) : listSpan(list).second;
    int& next = nextFree_[int(list)];
    while (next < end && EntryInUse(ds, next))
        ++next;
    if (next < end)
        return next;
    *whyNot = noFreeEntry(list);
    return -1;
}

int EntryPlacement::freePairEdge(const DataSet& ds, int numbered, QString* whyNot) {
    // The file's pair and edge: from its number, or from the order of its
    // rows (edge A, then B).
    const bool hasNumber = numbered >= FirstProgramScanEntry && numbered < FirstSearchPassEntry;
    const int index =
        hasNumber ? numbered - FirstProgramScanEntry : 2 * ProgramScanPairs + programScanRows_;
    const int filePair = index / 2;
    const int edge = index % 2;
    auto placed = pairOf_.constFind(filePair);
    if (placed == pairOf_.cend()) {
        while (nextPair_ < ProgramScanPairs &&
               (EntryInUse(ds, FirstProgramScanEntry + 2 * nextPair_) ||
                EntryInUse(ds, FirstProgramScanEntry + 2 * nextPair_ + 1)))
            ++nextPair_;
        if (nextPair_ >= ProgramScanPairs) {
            *whyNot = noFreeEntry(ImportList::ProgramScan);
            return -1;
        }
        placed = pairOf_.insert(filePair, nextPair_++);
    }
    return FirstProgramScanEntry + 2 * *placed + edge;
}

void EntryPlacement::taken(int entry) {
    if (firstTaken_ < 0)
        firstTaken_ = entry;
    switch (mode_) {
    case Mode::Numbered:
        return;
    case Mode::Bank:
        if (ImportListOfEntry(entry) == ImportList::Channels) {
            if (firstChannel_ < 0)
                firstChannel_ = channel_;
            ++channel_;
            lastGrownUnused_ = false;
            return;
        }
        break;
    case Mode::Consecutive:
        if (ImportListOfEntry(entry) == list_ || list_ == ImportList::Channels) {
            next_ = entry + 1;
            return;
        }
        break;
    case Mode::Free:
        break;
    }
    const ImportList list = ImportListOfEntry(entry);
    if (list == ImportList::ProgramScan)
        ++programScanRows_;
    else
        nextFree_[int(list)] = entry + 1;
}

void EntryPlacement::finish(DataSet& ds, ImportReport& report) {
    if (lastGrownUnused_ && !donors_.isEmpty()) {
        MoveLastChannel(ds, bank_, donors_.takeLast());
        lastGrownUnused_ = false;
    }
    // The bank may have moved as it grew into a bank before it.
    if (firstChannel_ >= 0 && firstTaken_ < ChannelCount)
        firstTaken_ = startOf(ds, bank_) + firstChannel_;
    if (donors_.isEmpty())
        return;
    QMap<int, int> counts; // donor -> channels, in bank order, no bank last
    for (int donor : donors_)
        ++counts[donor];
    QList<BankDonation> donations;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const BankDonation donation{it.key(), it.value(),
                                    it.key() == NoBank ? 0 : sizeOf(ds, it.key())};
        if (it.key() == NoBank)
            donations.prepend(donation);
        else
            donations.append(donation);
    }
    report.notes << BankGrowthText(bank_, sizeBefore_, sizeOf(ds, bank_), donations);
}

void EntryPlacement::layOut(DataSet& before) const {
    for (int donor : donors_)
        MoveLastChannel(before, donor, bank_);
}

} // namespace mtz4
