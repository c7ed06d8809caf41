#include "link/CloneWrite.h"

#include "link/CloneMessages.h"
#include "link/CloneRefresh.h"
#include "link/CloneView.h"
#include "link/Commands.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/Retry.h"
#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/GroupCodec.h"
#include "model/Prompter.h"
#include "model/RecordCodec.h"
#include "model/SettingsCodec.h"

#include <QList>
#include <algorithm>

namespace mtz4 {

namespace {

using namespace MemoryMap;

// The first eight digits of an empty record (frequency 0): nothing to send.
const QString EmptyRecordMark = QStringLiteral("00000000");

// List codes of the entries after the memory channels in "QZ~BC" commands.
const QString ProgramScanList = QStringLiteral("50");
const QString SearchPassList = QStringLiteral("51");
const QString PriorityList = QStringLiteral("52");

// Lengths of the three group writes, in hex digits.
constexpr int GroupDigits[GroupBlocks] = {64, 64, 48};

bool sent(Link& link, const QString& command, Reporting reporting) {
    return sendWrite(link, command, reporting).ok();
}

// Tells the user which memory channels had no channel to be written to.
// `entries` holds the entries in any order; they form the tail of the
// memory channels, so one range of rows names them.
void warnEntriesWithoutChannel(Prompter& prompter, const QList<int>& entries) {
    if (entries.isEmpty())
        return;
    const auto [low, high] = std::minmax_element(entries.begin(), entries.end());
    const QString rows = *low == *high
                             ? QStringLiteral("row %1").arg(*low + 1)
                             : QStringLiteral("rows %1 to %2").arg(*low + 1).arg(*high + 1);
    const QString count = entries.size() == 1
                              ? QStringLiteral("1 memory entry")
                              : QStringLiteral("%1 memory entries").arg(entries.size());
    prompter.ask({QStringLiteral("Not written: %1 beyond the last bank (%2 of the memory list). "
                                 "The bank sizes add up to less than 1000.")
                      .arg(count, rows),
                  QStringLiteral("Warning"), PromptIcon::Exclamation, PromptButtons::Ok,
                  PromptAnswer::Ok});
}

} // namespace

QString BankChannelCode(const QStringList& rowLabels, int entry) {
    const auto listCode = [entry](const QString& list, int firstEntry) {
        return list + QStringLiteral("%1").arg(entry - firstEntry, 3, 10, QLatin1Char('0'));
    };
    if (entry >= FirstPriorityEntry)
        return listCode(PriorityList, FirstPriorityEntry);
    if (entry >= FirstSearchPassEntry)
        return listCode(SearchPassList, FirstSearchPassEntry);
    if (entry >= FirstProgramScanEntry)
        return listCode(ProgramScanList, FirstProgramScanEntry);

    // "BB-CCC": bank digits 1-2, channel digits 4-6.
    const QString label = entry >= 0 && entry < rowLabels.size() ? rowLabels.at(entry) : QString();
    if (label.size() != 6)
        return QString();
    return label.left(2) + label.mid(3, 3);
}

LinkResult WriteSettings(Link& link, DataSet& ds, CloneView& view) {
    ButtonsDisabled buttons(view, CloneButtons::Settings);

    const LinkResult entered = SendQZMTZ4(link, ds, CloneFlag::Write);
    if (entered != LinkResult::Success)
        return entered;

    EncodeSettings(ds);
    if (!sent(link, writeCommand(SettingsLine1, ds.SetLine1), Reporting::Silently) ||
        !sent(link, writeCommand(SettingsLine2, ds.SetLine2), Reporting::Silently))
        return LinkResult::Failure;
    for (int b = 0; b < BandCount; ++b) {
        if (!sent(link, writeCommand(blockAddress(VfoRecords, b), EncodeVFO(ds, b)),
                  Reporting::Silently))
            return LinkResult::Failure;
    }
    return LinkResult::Success;
}

LinkResult WriteBanks(Link& link, DataSet& ds, CloneView& view, EraseEntries erase) {
    ButtonsDisabled buttons(view, CloneButtons::Bank);

    const LinkResult entered = SendQZMTZ4(link, ds, CloneFlag::Write);
    if (entered != LinkResult::Success)
        return entered;

    EncodeBanks(ds);
    view.banksShown();
    for (int d = 0; d < BankBlocks; ++d) {
        if (!sent(link, writeCommand(blockAddress(BankTable, d), ds.BankLines[d]),
                  Reporting::WithMessages))
            return LinkResult::Failure;
    }
    if (erase == EraseEntries::Yes)
        return SendQZIM(link);
    return LinkResult::Success;
}

LinkResult WriteGroups(Link& link, DataSet& ds, CloneView& view) {
    ButtonsDisabled buttons(view, CloneButtons::Bank);

    EncodeGroups(ds);
    int start = 0;
    for (int k = 0; k < GroupBlocks; ++k) {
        const QString digits = ds.GroupLine.mid(start, GroupDigits[k]);
        start += GroupDigits[k];
        if (!sent(link, writeCommand(blockAddress(GroupBitmap, k), digits),
                  Reporting::WithMessages))
            return LinkResult::Failure;
    }
    return LinkResult::Success;
}

LinkResult WriteMemory(Link& link, DataSet& ds, CloneView& view) {
    ButtonsDisabled buttons(view, CloneButtons::Memory);

    const LinkResult entered = SendQZMTZ4(link, ds, CloneFlag::Write);
    if (entered != LinkResult::Success)
        return entered;
    ProgressShown progress(view);
    constexpr int first = 0;
    constexpr int last = EntryCount - 1;

    const LinkResult banks = WriteBanks(link, ds, view, EraseEntries::Yes);
    if (banks != LinkResult::Success)
        return banks;
    // The channel of every entry follows from the bank sizes just written.
    const QStringList labels = RebuildRowLabels(ds, view);
    ReadGroupChecks(ds);
    const LinkResult groups = WriteGroups(link, ds, view);
    if (groups != LinkResult::Success)
        return groups;

    // Downwards, so that a stop leaves the entries above the failing one written.
    view.setProgressMaximum(last - first);
    QList<int> withoutChannel;
    for (int n = last; n >= first; --n) {
        view.setProgressValue(last - n);
        const QString record = EncodeMem(ds, n);
        if (record.startsWith(EmptyRecordMark))
            continue;
        const QString code = BankChannelCode(labels, n);
        if (code.isEmpty()) {
            withoutChannel.append(n);
            continue;
        }
        if (!sent(link, bankChannelWriteCommand(code, record), Reporting::WithMessages))
            return LinkResult::Failure;
    }
    warnEntriesWithoutChannel(link.prompter(), withoutChannel);

    if (SendClearStep(link) != LinkResult::Success)
        return LinkResult::Failure;
    return SendReadBack(link);
}

LinkResult SendClearStep(Link& link) {
    const QString zeros(2 * BlockSize, QLatin1Char('0'));
    for (int k = 0; k < ClearedBlocks; ++k) {
        if (!sent(link, writeCommand(blockAddress(ClearedArea, k), zeros), Reporting::WithMessages))
            return LinkResult::Failure;
    }
    return LinkResult::Success;
}

LinkResult SendReadBack(Link& link) {
    // A program that found the receiver already in clone mode never learnt
    // the start bank, and "QZ~BC" + "000R" without it is no command the
    // receiver knows: fetch it from 0022h first.
    if (link.StartBankCode.isEmpty()) {
        const DataLoop probe = readBlock(link, CloneModeProbeAddress, Reporting::Silently);
        if (!probe.ok()) {
            link.prompter().error(ComPortErrorMessage);
            return LinkResult::Failure;
        }
        link.StartBankCode = startBankCodeFromByte(probe.digits().left(2));
    }
    if (!readReply(link, readBackCommand(link.StartBankCode), Reporting::Silently).ok()) {
        link.prompter().error(ComPortErrorMessage);
        return LinkResult::Failure;
    }
    return LinkResult::Success;
}

} // namespace mtz4
