#pragma once

#include "files/ImportDestination.h"
#include "files/ImportReport.h"
#include "model/DataSet.h"

#include <QHash>
#include <QList>
#include <array>
#include <utility>

namespace mtz4 {

// Where each row of an import goes, for a destination, one row after the
// other as the import stores them:
// - as numbered: where the file says (the caller's number, unchanged);
// - into a bank, or from an entry of a bank: consecutive channels from
//   there; at the bank's end it grows into the free channels of the others
//   (DonorFor), the total staying 1000;
// - from an entry of Program Scan, Search Pass or Priority: consecutive
//   entries to the end of that list;
// - into the free entries: the memory channels not in use, in bank order.
// The memory channel rows go to the destination; the rows of Program Scan,
// Search Pass and Priority keep their lists: into the free entries of their
// list (the Program Scan edges by pairs, an edge A and B of the file staying
// a pair), or from the destination's entry when it is in their list. The
// Priority entries taken are 0 to 9, those the memory list shows.
class EntryPlacement {
public:
    explicit EntryPlacement(const ImportDestination& destination = {});

    bool asNumbered() const { return destination_.kind == ImportDestination::Kind::AsNumbered; }

    // The entry for the next row of `list`. `numbered` is the entry the file
    // gives the row (-1: none), which keeps Program Scan edges together.
    // Returns -1 with the reason in `whyNot` when the row has no place left.
    // May grow the bank first: the entries of the banks after it move.
    int target(DataSet& ds, ImportList list, int numbered, QString* whyNot);
    // The row was stored in `entry`, which target() gave: the next row of
    // its list goes after it.
    void taken(int entry);
    // At the end of the import: a channel grown for a row that was then
    // passed over is given back, and the report's notes say how the bank
    // grew.
    void finish(DataSet& ds, ImportReport& report);
    // The banks of `before` laid out as the import laid out its data, for
    // the comparison with what was there (every channel at its bank and
    // number).
    void layOut(DataSet& before) const;
    // The first entry a row went to (-1: none), where the window shows the rows.
    int firstTaken() const { return firstTaken_; }

private:
    enum class Mode { Numbered, Bank, Consecutive, Free };
    void start(const DataSet& ds);
    int bankTarget(DataSet& ds, QString* whyNot);
    int freeEntry(const DataSet& ds, ImportList list, QString* whyNot);
    int freePairEdge(const DataSet& ds, int numbered, QString* whyNot);

    ImportDestination destination_;
    bool started_ = false;
    Mode mode_ = Mode::Numbered;
    ImportList list_ = ImportList::Channels; // the destination's list
    int bank_ = -1;                          // Mode::Bank: the bank
    int channel_ = 0;                        // Mode::Bank: its next channel
    int next_ = 0;                           // Mode::Consecutive: the next entry
    int end_ = 0;                            // Mode::Consecutive: the entry after the list
    std::array<int, 4> nextFree_{};          // per list: where the next free entry is looked for
    int programScanRows_ = 0;                // Program Scan rows without a number so far
    QHash<int, int> pairOf_;                 // file's Program Scan pair -> the pair it went to
    int nextPair_ = 0;                       // where the next free pair is looked for
    // The growth of the bank: its size before, and each channel moved to it
    // (from which bank); whether the last one is still without a row.
    int sizeBefore_ = 0;
    QList<int> donors_;
    bool lastGrownUnused_ = false;
    int firstTaken_ = -1;
    int firstChannel_ = -1; // Mode::Bank: the channel of the bank it was
};

} // namespace mtz4
