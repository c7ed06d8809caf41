#include "model/EntryMoves.h"

#include "model/BankCodec.h"
#include "model/EntryOps.h"

#include <algorithm>
#include <vector>

namespace mtz4 {

namespace {

// One entry's data, moved as a whole.
struct EntryData {
    std::array<double, MemColumns> data{};
    std::array<QString, MemColumns> text;
    bool enabled = false;
    QByteArray noteBytes;
};

EntryData take(const DataSet& ds, int e) {
    return {ds.MemData[e], ds.MemText[e], ds.MemEnable[e], ds.MemNoteBytes[e]};
}

void put(DataSet& ds, int e, const EntryData& d) {
    ds.MemData[e] = d.data;
    ds.MemText[e] = d.text;
    ds.MemEnable[e] = d.enabled;
    ds.MemNoteBytes[e] = d.noteBytes;
}

// The first entry of the item (entry or edge pair) that holds `entry`.
int itemStart(const EntryList& list, int entry) {
    return list.first + (entry - list.first) / list.step * list.step;
}

bool itemInUse(const DataSet& ds, const EntryList& list, int start) {
    for (int i = 0; i < list.step; ++i) {
        if (EntryInUse(ds, start + i))
            return true;
    }
    return false;
}

} // namespace

EntryList ListOfEntry(const DataSet& ds, int entry) {
    if (entry >= FirstPriorityEntry && entry < EntryCount)
        return {FirstPriorityEntry, EntryCount - 1, 1};
    if (entry >= FirstSearchPassEntry && entry < FirstPriorityEntry)
        return {FirstSearchPassEntry, FirstPriorityEntry - 1, 1};
    if (entry >= FirstProgramScanEntry && entry < FirstSearchPassEntry)
        return {FirstProgramScanEntry, FirstSearchPassEntry - 1, 2};
    int start = 0;
    for (int b = 0; b < BankCount && entry >= 0; ++b) {
        const int size = qMax(0, SizeBoxValue(ds.bank.txtBank[b]));
        if (entry < start + size)
            return {start, qMin(start + size, ChannelCount) - 1, 1};
        start += size;
    }
    return {};
}

bool EntryInUse(const DataSet& ds, int entry) {
    return ds.MemEnable[entry] || ds.MemData[entry][Col::Freq] != 0.0;
}

MoveOutcome InsertEmptyEntry(DataSet& ds, int entry) {
    const EntryList list = ListOfEntry(ds, entry);
    if (!list.contains(entry))
        return MoveOutcome::NoList;
    const int start = itemStart(list, entry);
    const int lastItem = itemStart(list, list.last);
    if (itemInUse(ds, list, lastItem))
        return MoveOutcome::LastInUse;
    for (int e = list.last; e >= start + list.step; --e)
        put(ds, e, take(ds, e - list.step));
    for (int i = 0; i < list.step; ++i)
        ClearEntry(ds, start + i);
    return MoveOutcome::Done;
}

MoveOutcome DeleteEntry(DataSet& ds, int entry) {
    const EntryList list = ListOfEntry(ds, entry);
    if (!list.contains(entry))
        return MoveOutcome::NoList;
    const int start = itemStart(list, entry);
    for (int e = start; e + list.step <= list.last; ++e)
        put(ds, e, take(ds, e + list.step));
    for (int i = 0; i < list.step; ++i)
        ClearEntry(ds, itemStart(list, list.last) + i);
    return MoveOutcome::Done;
}

namespace {

// The kind of list an entry is in: the memory channels (all banks), Program
// Scan, Search Pass or Priority.
int KindOf(int entry) {
    if (entry < FirstProgramScanEntry)
        return 0;
    if (entry < FirstSearchPassEntry)
        return 1;
    return entry < FirstPriorityEntry ? 2 : 3;
}

using Item = std::vector<EntryData>;

int ItemCount(const EntryList& list) {
    return (list.last - list.first + 1) / list.step;
}

std::vector<Item> TakeItems(const DataSet& ds, const EntryList& list) {
    std::vector<Item> items;
    for (int start = list.first; start + list.step - 1 <= list.last; start += list.step) {
        Item item;
        for (int i = 0; i < list.step; ++i)
            item.push_back(take(ds, start + i));
        items.push_back(std::move(item));
    }
    return items;
}

Item EmptyItem(int step) {
    return Item(std::size_t(step));
}

bool ItemUsed(const Item& item) {
    return std::any_of(item.begin(), item.end(),
                       [](const EntryData& d) { return d.enabled || d.data[Col::Freq] != 0.0; });
}

} // namespace

MoveOutcome MoveEntries(DataSet& ds, const QList<int>& entries, const EntryList& target,
                        int position, QList<int>* landed) {
    if (entries.isEmpty() || target.first > target.last)
        return MoveOutcome::NoList;
    // Each list the entries leave, with the items (entry or pair) they take.
    QList<EntryList> sources;
    QList<QList<int>> taken; // item indexes, per source, ascending
    QList<int> sorted = entries;
    std::sort(sorted.begin(), sorted.end());
    for (int entry : sorted) {
        const EntryList list = ListOfEntry(ds, entry);
        if (!list.contains(entry))
            return MoveOutcome::NoList;
        if (KindOf(entry) != KindOf(target.first))
            return MoveOutcome::OtherKind;
        qsizetype s = 0;
        while (s < sources.size() && sources[s].first != list.first)
            ++s;
        if (s == sources.size()) {
            sources.append(list);
            taken.append(QList<int>());
        }
        const int index = (entry - list.first) / list.step;
        if (taken[s].isEmpty() || taken[s].last() != index)
            taken[s].append(index);
    }

    // The lists as items, the moved ones taken out (the rest moving up).
    std::vector<Item> moved;
    QList<EntryList> lists = sources;
    if (std::none_of(lists.begin(), lists.end(),
                     [&target](const EntryList& l) { return l.first == target.first; }))
        lists.append(target);
    std::vector<std::vector<Item>> items;
    for (const EntryList& list : lists)
        items.push_back(TakeItems(ds, list));
    int at = position;
    for (qsizetype s = 0; s < sources.size(); ++s) {
        std::vector<Item>& list = items[std::size_t(s)];
        for (int index : taken[s])
            moved.push_back(list[std::size_t(index)]);
        for (auto it = taken[s].crbegin(); it != taken[s].crend(); ++it) {
            list.erase(list.begin() + *it);
            list.push_back(EmptyItem(sources[s].step));
            if (sources[s].first == target.first && *it < position)
                --at;
        }
    }
    // Then put in at their place: what they push past the end must be empty.
    qsizetype t = 0;
    while (lists[t].first != target.first)
        ++t;
    std::vector<Item>& into = items[std::size_t(t)];
    const int count = int(moved.size());
    at = std::clamp(at, 0, qMax(0, ItemCount(target) - count));
    into.insert(into.begin() + at, moved.begin(), moved.end());
    for (int i = 0; i < count; ++i) {
        if (ItemUsed(into.back()))
            return MoveOutcome::LastInUse;
        into.pop_back();
    }
    for (qsizetype l = 0; l < lists.size(); ++l) {
        int e = lists[l].first;
        for (const Item& item : items[std::size_t(l)])
            for (const EntryData& d : item)
                put(ds, e++, d);
    }
    if (landed) {
        landed->clear();
        for (int i = 0; i < count; ++i)
            for (int j = 0; j < target.step; ++j)
                landed->append(target.first + (at + i) * target.step + j);
    }
    return MoveOutcome::Done;
}

EntryList NeighbourList(const DataSet& ds, int entry, bool after) {
    const EntryList list = ListOfEntry(ds, entry);
    if (!list.contains(entry) || entry >= FirstProgramScanEntry)
        return {};
    // The bank next to it that has entries.
    for (int e = after ? list.last + 1 : list.first - 1; e >= 0 && e < ChannelCount;
         e += after ? 1 : -1) {
        const EntryList next = ListOfEntry(ds, e);
        if (next.contains(e))
            return next;
    }
    return {};
}

MoveOutcome SortList(DataSet& ds, int entry, SortKey key) {
    const EntryList list = ListOfEntry(ds, entry);
    if (!list.contains(entry))
        return MoveOutcome::NoList;
    std::vector<std::vector<EntryData>> items;
    for (int start = list.first; start <= list.last; start += list.step) {
        std::vector<EntryData> item;
        for (int i = 0; i < list.step; ++i)
            item.push_back(take(ds, start + i));
        items.push_back(std::move(item));
    }
    const auto inUse = [](const std::vector<EntryData>& item) {
        return std::any_of(item.begin(), item.end(), [](const EntryData& d) {
            return d.enabled || d.data[Col::Freq] != 0.0;
        });
    };
    std::stable_sort(items.begin(), items.end(), [&](const auto& a, const auto& b) {
        const bool usedA = inUse(a);
        const bool usedB = inUse(b);
        if (usedA != usedB)
            return usedA;
        if (!usedA)
            return false;
        const EntryData& x = a.front();
        const EntryData& y = b.front();
        if (key == SortKey::Name) {
            const QString nameX = x.text[Col::Name].trimmed();
            const QString nameY = y.text[Col::Name].trimmed();
            if (nameX.isEmpty() != nameY.isEmpty())
                return nameY.isEmpty(); // named entries before unnamed ones
            const int order = nameX.compare(nameY, Qt::CaseInsensitive);
            if (order != 0)
                return order < 0;
        }
        return x.data[Col::Freq] < y.data[Col::Freq];
    });
    int e = list.first;
    for (const auto& item : items) {
        for (const EntryData& d : item)
            put(ds, e++, d);
    }
    return MoveOutcome::Done;
}

} // namespace mtz4
