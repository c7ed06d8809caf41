#include "link/CloneRead.h"

#include "link/CloneMessages.h"
#include "link/CloneProgress.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/Retry.h"
#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/EnableCodec.h"
#include "model/EntryOps.h"
#include "model/GroupCodec.h"
#include "model/Prompter.h"
#include "model/RecordCodec.h"
#include "model/SettingsCodec.h"

#include <algorithm>
#include <vector>

namespace mtz4 {

namespace {

using namespace MemoryMap;

// The first eight digits of a record that the receiver has never written.
const QString UnusedRecordMark = QStringLiteral("FFFFFFFF");

// An outcome that ends with the read message of `result`.
CloneOutcome ended(CloneOutcome outcome, LinkResult result) {
    outcome.result = result;
    outcome.message = ReadEndMessage(result);
    return outcome;
}

// Brings the receiver into clone mode for a read and notes it in `outcome`.
LinkResult enterForRead(Link& link, DataSet& ds, CloneOutcome& outcome) {
    const LinkResult entered = SendQZMTZ4(link, ds, CloneFlag::Read);
    outcome.cloneModeEntered = entered == LinkResult::Success;
    return entered;
}

// The four bank blocks into BankLines slots 0..3. False when a read stopped
// (the slots read so far keep their new text).
bool readBankBlocks(Link& link, DataSet& ds) {
    for (int d = 0; d < BankBlocks; ++d) {
        const DataLoop block = readBlock(link, blockAddress(BankTable, d), Reporting::WithMessages);
        if (!block.ok())
            return false;
        ds.BankLines[d] = block.digits();
    }
    return true;
}

// ReadBank: clone mode (probed again), then the bank table, not decoded.
LinkResult ReadBank(Link& link, DataSet& ds) {
    const LinkResult entered = SendQZMTZ4(link, ds, CloneFlag::Read);
    if (entered != LinkResult::Success)
        return entered;
    return readBankBlocks(link, ds) ? LinkResult::Success : LinkResult::Failure;
}

// ReadGroups: the group bitmap into GroupLine, then decoded into GroupFlag.
// A stop leaves GroupLine with the blocks read so far and GroupFlag unchanged.
LinkResult ReadGroups(Link& link, DataSet& ds) {
    ds.GroupLine.clear();
    for (int k = 0; k < GroupBlocks; ++k) {
        const DataLoop block =
            readBlock(link, blockAddress(GroupBitmap, k), Reporting::WithMessages);
        if (!block.ok())
            return LinkResult::Failure;
        ds.GroupLine += block.digits();
    }
    DecodeGroups(ds);
    return LinkResult::Success;
}

// ReadEnableLines: EnableLines slots 0..4, then decoded into MemEnable. A
// stop decodes nothing.
bool ReadEnableLines(Link& link, DataSet& ds) {
    for (int k = 0; k < EnableBlocks; ++k) {
        const DataLoop block =
            readBlock(link, blockAddress(EnableBitmap, k), Reporting::WithMessages);
        if (!block.ok())
            return false;
        ds.EnableLines[k] = block.digits();
    }
    DecodeEnable(ds);
    return true;
}

// The bank table decoded into the tables and the size boxes.
void takeBanks(DataSet& ds, CloneOutcome& outcome) {
    DecodeBanks(ds);
    ShowBanks(ds);
    outcome.changed |= DataPart::Banks;
}

// The group bitmap read, decoded and put into the group boxes. False when
// the read stopped (after its message).
bool readGroupsIntoBoxes(Link& link, DataSet& ds, CloneOutcome& outcome) {
    if (ReadGroups(link, ds) != LinkResult::Success)
        return false;
    ShowGroups(ds);
    outcome.changed |= DataPart::Groups;
    return true;
}

// Reads memory entry n and decodes it. False when the block read loop stopped.
bool readEntry(Link& link, DataSet& ds, int n) {
    const DataLoop block = readBlock(link, blockAddress(EntryRecords, n), Reporting::WithMessages);
    if (!block.ok())
        return false;
    DecodeMem(ds, block.reply, n);
    if (block.digits().startsWith(UnusedRecordMark, Qt::CaseInsensitive)) {
        ds.MemData[n][Col::Freq] = 0;
        ds.MemText[n][Col::Freq].clear();
        ds.MemEnable[n] = false;
    }
    return true;
}

// The entries whose blocks the memory read fetches, in ascending order: all
// of them, or for a quick read those the enable bitmap (as just decoded, the
// sixth slot's kept bits included) marks as in use.
std::vector<int> entriesToFetch(const DataSet& ds, MemoryRead read) {
    std::vector<int> entries;
    entries.reserve(EntryCount);
    for (int n = 0; n < EntryCount; ++n) {
        if (read == MemoryRead::Full || ds.MemEnable[n])
            entries.push_back(n);
    }
    return entries;
}

} // namespace

CloneOutcome ReadMemory(Link& link, DataSet& ds, CloneProgress& progress, MemoryRead read) {
    CloneOutcome outcome;
    const LinkResult entered = enterForRead(link, ds, outcome);
    if (entered != LinkResult::Success)
        return ended(outcome, entered);
    ProgressShown shown(progress);

    if (!ReadEnableLines(link, ds))
        return ended(outcome, LinkResult::Failure);

    // From here on the tables hold what the receiver sent, so every way out
    // empties the disabled entries and marks the data as changed.
    outcome.changed |= DataPart::Memory;
    bool complete = ReadBank(link, ds) == LinkResult::Success;
    if (complete) {
        takeBanks(ds, outcome);
        complete = readGroupsIntoBoxes(link, ds, outcome);
    }
    if (complete) {
        const std::vector<int> entries = entriesToFetch(ds, read);
        progress.setProgressMaximum(std::max(0, static_cast<int>(entries.size()) - 1));
        for (std::size_t done = 0; done < entries.size(); ++done) {
            progress.setProgressValue(static_cast<int>(done));
            if (!readEntry(link, ds, entries[done])) {
                complete = false;
                break;
            }
        }
    }

    // A disabled entry carries no data.
    ClearDisabledEntries(ds);
    ds.DataChanged = true;
    return ended(outcome, complete ? LinkResult::Success : LinkResult::Failure);
}

CloneOutcome ReadSettings(Link& link, DataSet& ds) {
    CloneOutcome outcome;
    const LinkResult entered = enterForRead(link, ds, outcome);
    if (entered != LinkResult::Success)
        return ended(outcome, entered);

    // Both lines or neither: the settings change only once both have arrived.
    const DataLoop line1 = readBlock(link, SettingsLine1, Reporting::Silently);
    const DataLoop line2 =
        line1.ok() ? readBlock(link, SettingsLine2, Reporting::Silently) : DataLoop{};
    if (!line1.ok() || !line2.ok()) {
        ShowCloneError(link.prompter(), ComPortErrorMessage);
        return ended(outcome, LinkResult::Failure);
    }
    ds.SetLine1 = line1.digits();
    ds.SetLine2 = line2.digits();
    DecodeSettings(ds);
    ds.DataChanged = true;
    outcome.changed |= DataPart::Settings | DataPart::Vfo;

    bool complete = true;
    for (int b = 0; b < BandCount; ++b) {
        const DataLoop block =
            readBlock(link, blockAddress(VfoRecords, b), Reporting::WithMessages);
        if (!block.ok()) {
            complete = false;
            break;
        }
        DecodeVFO(ds, block.reply, b);
    }
    return ended(outcome, complete ? LinkResult::Success : LinkResult::Failure);
}

CloneOutcome ReadBanksAndGroups(Link& link, DataSet& ds) {
    CloneOutcome outcome;
    const LinkResult entered = enterForRead(link, ds, outcome);
    if (entered != LinkResult::Success)
        return ended(outcome, entered);
    if (!readBankBlocks(link, ds))
        return ended(outcome, LinkResult::Failure);
    takeBanks(ds, outcome);
    // The bank sizes now are the receiver's, not those last loaded or saved.
    ds.DataChanged = true;
    if (!readGroupsIntoBoxes(link, ds, outcome)) {
        outcome.result = LinkResult::Failure; // its own message has been shown
        return outcome;
    }
    return ended(outcome, LinkResult::Success);
}

CloneOutcome ReadScanGroups(Link& link, DataSet& ds) {
    CloneOutcome outcome;
    const LinkResult entered = enterForRead(link, ds, outcome);
    if (entered != LinkResult::Success)
        return ended(outcome, entered);
    if (!readGroupsIntoBoxes(link, ds, outcome)) {
        outcome.result = LinkResult::Failure; // its own message has been shown
        return outcome;
    }
    ds.DataChanged = true;
    return ended(outcome, LinkResult::Success);
}

CloneOutcome ReadAll(Link& link, DataSet& ds, CloneProgress& progress, MemoryRead read) {
    const CloneOutcome settings = ReadSettings(link, ds);
    if (!settings.succeeded())
        return settings;

    // The memory list "All" is set up again before the memory part.
    ClearDisabledEntries(ds);
    progress.memoryPartStarting();

    CloneOutcome memory = ReadMemory(link, ds, progress, read);
    memory.changed |= settings.changed;
    // Every failure of the memory read reads "Read Failed...", a refused
    // identification included.
    if (!memory.succeeded())
        return ended(memory, LinkResult::Failure);
    return memory;
}

} // namespace mtz4
