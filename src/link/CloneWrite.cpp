#include "link/CloneWrite.h"

#include "link/CloneMessages.h"
#include "link/CloneProgress.h"
#include "link/Commands.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/Retry.h"
#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/EntryOps.h"
#include "model/GroupCodec.h"
#include "model/Prompter.h"
#include "model/RecordCodec.h"
#include "model/RowLabels.h"
#include "model/SettingsCodec.h"

#include <QCoreApplication>
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

// Whether the bank table write ends with "QZ~IM" (which erases every memory
// entry in the receiver, ready for a complete memory write).
enum class EraseEntries { No = 0, Yes = 1 };

bool sent(Link& link, const QString& command, Reporting reporting) {
    return sendWrite(link, command, reporting).ok();
}

// An outcome that ends with the write message of `result`.
CloneOutcome ended(CloneOutcome outcome, LinkResult result) {
    outcome.result = result;
    outcome.message = WriteEndMessage(result);
    return outcome;
}

// An outcome that ends with `message`.
CloneOutcome ended(CloneOutcome outcome, LinkResult result, const QString& message) {
    outcome.result = result;
    outcome.message = message;
    return outcome;
}

// Brings the receiver into clone mode (with the channel total check for
// `flag` Write) and notes it in `outcome`.
LinkResult enter(Link& link, DataSet& ds, CloneFlag flag, CloneOutcome& outcome) {
    const LinkResult entered = SendQZMTZ4(link, ds, flag);
    outcome.cloneModeEntered = entered == LinkResult::Success;
    return entered;
}

// Tells the user which memory channels had no channel to be written to.
// `entries` holds the entries in any order; they form the tail of the
// memory channels, so one range of rows names them.
void warnEntriesWithoutChannel(Prompter& prompter, const QList<int>& entries) {
    if (entries.isEmpty())
        return;
    const auto [low, high] = std::minmax_element(entries.begin(), entries.end());
    const QString rows = *low == *high
                             ? QCoreApplication::translate("CloneWrite", "row %1").arg(*low + 1)
                             : QCoreApplication::translate("CloneWrite", "rows %1 to %2")
                                   .arg(*low + 1)
                                   .arg(*high + 1);
    const QString count = QCoreApplication::translate("CloneWrite", "%n memory entries", nullptr,
                                                      int(entries.size()));
    prompter.ask({QCoreApplication::translate(
                      "CloneWrite", "Not written: %1 beyond the last bank (%2 of the memory list). "
                                    "The bank sizes add up to less than 1000.")
                      .arg(count, rows),
                  QCoreApplication::translate("CloneWrite", "Warning"), PromptIcon::Exclamation,
                  PromptButtons::Ok, PromptAnswer::Ok});
}

// WriteSettings: the settings lines and the 14 band VFO records, silently.
LinkResult WriteSettingsLines(Link& link, DataSet& ds, CloneOutcome& outcome) {
    const LinkResult entered = enter(link, ds, CloneFlag::Write, outcome);
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

// WriteBanks: the bank table (fitted to 1000 channels and shown in the size
// boxes first), with messages; then "QZ~IM" when asked.
LinkResult WriteBanks(Link& link, DataSet& ds, EraseEntries erase, CloneOutcome& outcome) {
    const LinkResult entered = enter(link, ds, CloneFlag::Write, outcome);
    if (entered != LinkResult::Success)
        return entered;

    EncodeBanks(ds);
    outcome.changed |= DataPart::Banks;
    for (int d = 0; d < BankBlocks; ++d) {
        if (!sent(link, writeCommand(blockAddress(BankTable, d), ds.BankLines[d]),
                  Reporting::WithMessages))
            return LinkResult::Failure;
    }
    if (erase == EraseEntries::Yes)
        return SendQZIM(link);
    return LinkResult::Success;
}

// WriteGroups: the group bitmap from GroupFlag, with messages.
LinkResult WriteGroups(Link& link, DataSet& ds) {
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

// The group membership taken from the group boxes, then written.
LinkResult writeGroupBoxes(Link& link, DataSet& ds, CloneOutcome& outcome) {
    ReadGroupChecks(ds);
    outcome.changed |= DataPart::Groups;
    return WriteGroups(link, ds);
}

// The clear step: 128 zero bytes at 0180h..01FFh in four writes, with messages.
LinkResult SendClearStep(Link& link) {
    const QString zeros(2 * BlockSize, QLatin1Char('0'));
    for (int k = 0; k < ClearedBlocks; ++k) {
        if (!sent(link, writeCommand(blockAddress(ClearedArea, k), zeros), Reporting::WithMessages))
            return LinkResult::Failure;
    }
    return LinkResult::Success;
}

// The read-back that ends a memory write: "QZ~BC" + StartBankCode + "000R",
// answered by a data block that is not used. When StartBankCode is empty
// (the receiver was in clone mode before this program first talked to it)
// it is first read from 0022h. Either kind of stop shows "COM Port Error".
LinkResult SendReadBack(Link& link) {
    // A program that found the receiver already in clone mode never learnt
    // the start bank, and "QZ~BC" + "000R" without it is no command the
    // receiver knows: fetch it from 0022h first.
    if (link.StartBankCode.isEmpty()) {
        const DataLoop probe = readBlock(link, CloneModeProbeAddress, Reporting::Silently);
        if (!probe.ok()) {
            ShowCloneError(link.prompter(), ComPortErrorMessage);
            return LinkResult::Failure;
        }
        link.StartBankCode = startBankCodeFromByte(probe.digits().left(2));
    }
    if (!readReply(link, readBackCommand(link.StartBankCode), Reporting::Silently).ok()) {
        ShowCloneError(link.prompter(), ComPortErrorMessage);
        return LinkResult::Failure;
    }
    return LinkResult::Success;
}

// WriteMemory: bank table and "QZ~IM", group bitmap (from the group boxes),
// the entries from 1299 down to 0, the clear step and the read-back.
// "QZ~FINISH" is left to the operation.
LinkResult WriteMemory(Link& link, DataSet& ds, CloneProgress& progress, CloneOutcome& outcome) {
    const LinkResult entered = enter(link, ds, CloneFlag::Write, outcome);
    if (entered != LinkResult::Success)
        return entered;
    ProgressShown shown(progress);
    constexpr int first = 0;
    constexpr int last = EntryCount - 1;

    const LinkResult banks = WriteBanks(link, ds, EraseEntries::Yes, outcome);
    if (banks != LinkResult::Success)
        return banks;
    // The channel of every entry follows from the bank sizes just written.
    const QStringList labels = BuildRowLabels(ds.bank);
    const LinkResult groups = writeGroupBoxes(link, ds, outcome);
    if (groups != LinkResult::Success)
        return groups;

    // Downwards, so that a stop leaves the entries above the failing one written.
    progress.setProgressMaximum(last - first);
    QList<int> withoutChannel;
    for (int n = last; n >= first; --n) {
        progress.setProgressValue(last - n);
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

// "QZ~FINISH" after a complete memory write: "Successed!!", or `failure`
// when the receiver did not take it.
CloneOutcome finished(Link& link, CloneOutcome outcome, const QString& failure) {
    if (SendQZFINISH(link) != LinkResult::Success)
        return ended(outcome, LinkResult::Failure, failure);
    return ended(outcome, LinkResult::Success);
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

CloneOutcome WriteSettings(Link& link, DataSet& ds) {
    CloneOutcome outcome;
    return ended(outcome, WriteSettingsLines(link, ds, outcome));
}

CloneOutcome WriteMemoryAndFinish(Link& link, DataSet& ds, CloneProgress& progress) {
    CloneOutcome outcome;
    const LinkResult memory = WriteMemory(link, ds, progress, outcome);
    if (memory != LinkResult::Success)
        return ended(outcome, memory);
    return finished(link, outcome, WriteFailedMessage);
}

CloneOutcome WriteBankTable(Link& link, DataSet& ds) {
    CloneOutcome outcome;
    const LinkResult banks = WriteBanks(link, ds, EraseEntries::No, outcome);
    if (banks != LinkResult::Success)
        return ended(outcome, banks);
    // The memory list follows the bank sizes just written.
    ClearDisabledEntries(ds);
    if (SendClearStep(link) != LinkResult::Success)
        return ended(outcome, LinkResult::Failure, QString()); // its own message has been shown
    return ended(outcome, LinkResult::Success);
}

CloneOutcome WriteScanGroups(Link& link, DataSet& ds) {
    CloneOutcome outcome;
    const LinkResult entered = enter(link, ds, CloneFlag::Read, outcome);
    if (entered != LinkResult::Success)
        return ended(outcome, entered);
    const LinkResult groups = writeGroupBoxes(link, ds, outcome);
    return ended(outcome, groups == LinkResult::Success ? groups : LinkResult::Failure);
}

CloneOutcome WriteAll(Link& link, DataSet& ds, CloneProgress& progress) {
    CloneOutcome outcome;
    const LinkResult settings = WriteSettingsLines(link, ds, outcome);
    if (settings != LinkResult::Success)
        return ended(outcome, settings);

    // The memory list "All" is set up again before the memory part.
    ClearDisabledEntries(ds);
    progress.memoryPartStarting();

    if (WriteMemory(link, ds, progress, outcome) != LinkResult::Success)
        return ended(outcome, LinkResult::Failure); // "Write Failed...", also for a refusal
    return finished(link, outcome, CommunicationErrorMessage);
}

} // namespace mtz4
