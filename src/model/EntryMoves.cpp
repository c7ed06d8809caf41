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
