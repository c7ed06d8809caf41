#include "link/CloneRead.h"

#include "link/CloneMessages.h"
#include "link/CloneRefresh.h"
#include "link/CloneView.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/Retry.h"
#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/EnableCodec.h"
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

// Reads the bank table, decodes it and the group bitmap, and shows both.
// False when a read stopped (after its message).
bool readBanksAndGroups(Link& link, DataSet& ds, CloneView& view) {
    if (ReadBank(link, ds, view) != LinkResult::Success)
        return false;
    DecodeBanks(ds);
    ShowBanks(ds);
    view.banksShown();
    RebuildRowLabels(ds, view);
    if (ReadGroups(link, ds) != LinkResult::Success)
        return false;
    ShowGroups(ds);
    view.groupsShown();
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

LinkResult ReadMemory(Link& link, DataSet& ds, CloneView& view, MemoryRead read) {
    ButtonsDisabled buttons(view, CloneButtons::Memory);
    const int currentRow = view.currentMemoryRow();

    const LinkResult entered = SendQZMTZ4(link, ds, CloneFlag::Read);
    if (entered != LinkResult::Success)
        return entered;
    ProgressShown progress(view);

    if (!ReadEnableLines(link, ds))
        return LinkResult::Failure;

    // From here on the tables hold what the receiver sent, so every way out
    // shows them and marks the data as changed.
    bool complete = readBanksAndGroups(link, ds, view);
    if (complete) {
        const std::vector<int> entries = entriesToFetch(ds, read);
        view.setProgressMaximum(std::max(0, static_cast<int>(entries.size()) - 1));
        for (std::size_t done = 0; done < entries.size(); ++done) {
            view.setProgressValue(static_cast<int>(done));
            if (!readEntry(link, ds, entries[done])) {
                complete = false;
                break;
            }
        }
    }

    RefreshMemoryList(ds, view);
    view.setCurrentMemoryRow(currentRow);
    ds.DataChanged = true;
    return complete ? LinkResult::Success : LinkResult::Failure;
}

LinkResult ReadSettings(Link& link, DataSet& ds, CloneView& view) {
    ButtonsDisabled buttons(view, CloneButtons::Settings);

    const LinkResult entered = SendQZMTZ4(link, ds, CloneFlag::Read);
    if (entered != LinkResult::Success) {
        view.selectWholeVfoGrid();
        return entered;
    }

    // Both lines or neither: the settings change only once both have arrived.
    const DataLoop line1 = readBlock(link, SettingsLine1, Reporting::Silently);
    const DataLoop line2 =
        line1.ok() ? readBlock(link, SettingsLine2, Reporting::Silently) : DataLoop{};
    if (!line1.ok() || !line2.ok()) {
        link.prompter().error(ComPortErrorMessage);
        return LinkResult::Failure;
    }
    ds.SetLine1 = line1.digits();
    ds.SetLine2 = line2.digits();
    DecodeSettings(ds);
    ds.DataChanged = true;
    view.settingsDecoded();

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
    view.vfoListRefreshed();
    ds.DataChanged = true;
    view.selectWholeVfoGrid();
    return complete ? LinkResult::Success : LinkResult::Failure;
}

LinkResult ReadBank(Link& link, DataSet& ds, CloneView& view) {
    ButtonsDisabled buttons(view, CloneButtons::Bank);

    const LinkResult entered = SendQZMTZ4(link, ds, CloneFlag::Read);
    if (entered != LinkResult::Success)
        return entered;

    for (int d = 0; d < BankBlocks; ++d) {
        const DataLoop block = readBlock(link, blockAddress(BankTable, d), Reporting::WithMessages);
        if (!block.ok())
            return LinkResult::Failure;
        ds.BankLines[d] = block.digits();
    }
    return LinkResult::Success;
}

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

} // namespace mtz4
