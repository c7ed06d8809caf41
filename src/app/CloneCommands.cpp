#include "app/CloneCommands.h"

#include "app/CommandHost.h"
#include "app/CompareDialog.h"
#include "app/DetectModel.h"
#include "app/FileCommands.h"
#include "app/FileModels.h"
#include "app/ReadCommands.h"
#include "app/ResourceTexts.h"
#include "app/WindowCloneView.h"
#include "app/WriteCommands.h"
#include "editing/DataDelta.h"
#include "editing/DataEditor.h"
#include "files/Backups.h"
#include "link/CloneMessages.h"
#include "link/CloneRead.h"
#include "link/Link.h"
#include "link/VerifyWrite.h"
#include "model/DataDiff.h"
#include "model/DataSet.h"
#include "model/Prompter.h"
#include "model/ReferenceTables.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <map>
#include <memory>

namespace mtz4 {

CloneCommands::CloneCommands(DataSet& ds, DataEditor& editor, Link& link, FileCommands& files,
                             CommandHost& host, WindowCloneView& view, QObject* parent)
    : QObject(parent), ds_(ds), editor_(editor), link_(link), files_(files), host_(host),
      view_(view) {}

LinkResult CloneCommands::runClone(Command command) {
    const LinkResult result = runOnce(command, true);
    if (result != LinkResult::RegionError)
        return result;
    // After "Region Error", the cure: find the receiver's model, select it
    // keeping the data, and the same command once more.
    const PromptAnswer answer = link_.prompter().ask(
        {QCoreApplication::translate(
             "CloneCommands",
             "The receiver did not accept the model %1.\r\n\r\nFind the receiver's model "
             "now? The model found is selected, keeping these channels, and %2 runs "
             "again.")
             .arg(ModelName(ds_.ModelIndex), lastName_),
         DetectModelTitle(), PromptIcon::Exclamation, PromptButtons::YesNo, PromptAnswer::Yes});
    if (answer != PromptAnswer::Yes)
        return result;
    const DetectedModel found = findModel();
    if (found.result != LinkResult::Success)
        return result;
    if (found.model != ds_.ModelIndex && keepModel)
        keepModel(found.model);
    return runOnce(command, false);
}

LinkResult CloneCommands::runOnce(Command command, bool askFirst) {
    using Procedure = std::function<CloneOutcome(Link&, DataSet&, ClonePages&)>;
    struct Run {
        const char* name;
        bool reading;
        DataParts parts;
        Procedure procedure;
        bool verifiable = false; // a write of the memory, which Verify After Write reads back
    };
    // The commands that read the memory do it the way Tool > Quick Read says.
    const MemoryRead memoryRead = quickRead ? MemoryRead::Quick : MemoryRead::Full;
    const auto reading = [memoryRead](CloneOutcome (*command)(Link&, DataSet&, ClonePages&,
                                                              MemoryRead)) -> Procedure {
        return [command, memoryRead](Link& link, DataSet& ds, ClonePages& pages) {
            return command(link, ds, pages, memoryRead);
        };
    };
    // What each command touches: a read replaces data, a write only what
    // the encoders rebuild (bank sizes fitted to 1000, groups from the boxes).
    const DataParts read = DataPart::Memory | DataPart::Banks | DataPart::Groups;
    const DataParts settings = DataPart::Settings | DataPart::Vfo;
    const DataParts written = DataPart::Banks | DataPart::Groups;
    const std::map<Command, Run> runs = {
        {Command::ReadAll,
         {QT_TRANSLATE_NOOP("CloneCommands", "Read ALL"), true, read | settings,
          reading(&mnuReAll_Click)}},
        {Command::ReadMemoryMenu,
         {QT_TRANSLATE_NOOP("CloneCommands", "Read Memory"), true, read, reading(&mnuReMem_Click)}},
        {Command::ReadSettingsMenu,
         {QT_TRANSLATE_NOOP("CloneCommands", "Read Settings"), true, settings, &mnuReSet_Click}},
        {Command::ReadMemory,
         {QT_TRANSLATE_NOOP("CloneCommands", "Read Memory"), true, read,
          reading(&cmbRxData_Click)}},
        {Command::ReadSettings,
         {QT_TRANSLATE_NOOP("CloneCommands", "Read Settings"), true, settings, &cmbRxData1_Click}},
        {Command::ReadBank,
         {QT_TRANSLATE_NOOP("CloneCommands", "Read Bank"), true, written, &cmbReadBank_Click}},
        {Command::ReadGroup,
         {QT_TRANSLATE_NOOP("CloneCommands", "Read Group"), true, DataPart::Groups,
          &cmdReadGroup_Click}},
        {Command::WriteAll,
         {QT_TRANSLATE_NOOP("CloneCommands", "Write ALL"), false, written | settings,
          &mnuWrAll_Click, true}},
        {Command::WriteMemoryMenu,
         {QT_TRANSLATE_NOOP("CloneCommands", "Write Memory"), false, written, &mnuWrMem_Click,
          true}},
        {Command::WriteSettingsMenu,
         {QT_TRANSLATE_NOOP("CloneCommands", "Write Settings"), false, DataPart::Settings,
          &mnuWrSet_Click}},
        {Command::WriteMemory,
         {QT_TRANSLATE_NOOP("CloneCommands", "Write Memory"), false, written, &cmbTxData_Click,
          true}},
        {Command::WriteSettings,
         {QT_TRANSLATE_NOOP("CloneCommands", "Write Settings"), false, DataPart::Settings,
          &cmbTxData1_Click}},
        {Command::WriteBank,
         {QT_TRANSLATE_NOOP("CloneCommands", "Write Bank"), false, written, &cmbWriteBank_Click}},
        {Command::WriteGroup,
         {QT_TRANSLATE_NOOP("CloneCommands", "Write Group"), false, DataPart::Groups,
          &cmdWriteGroup_Click}},
    };
    // One clone command at a time: a second one would interleave with the
    // first on the line.
    if (running_)
        return LinkResult::Failure;
    const Run& run = runs.at(command);
    // Backups are named in English (their file names are read back); the
    // window shows the command in the program's language.
    const QString english = QString::fromLatin1(run.name);
    const QString name = QCoreApplication::translate("CloneCommands", run.name);
    lastName_ = name;
    // A read replaces data: unsaved changes are offered a save first, and
    // Cancel (or a save that did not happen) reads nothing.
    if (run.reading && askFirst && !files_.askToSaveChanges())
        return LinkResult::Failure;
    const bool verifying = !run.reading && run.verifiable && verifyAfterWrite;

    return runTransfer(name, run.reading, [&] {
        // What was there before, in case the transfer goes wrong: before a
        // read the data it replaces, before a write what goes to the receiver.
        takeBackup(QStringLiteral("before ") + english);
        CloneOutcome outcome;
        if (run.reading) {
            // One step of the history: Undo brings back the data as they
            // were, whatever the read's outcome.
            editor_.apply(
                name, run.parts,
                [&](DataSet& ds) {
                    const auto before = std::make_unique<DataSet>(ds);
                    outcome = run.procedure(link_, ds, view_);
                    if (outcome.succeeded()) {
                        if (command == Command::ReadAll)
                            ds.PartlyRead = false;
                    } else if (!DataDelta(*before, ds).empty()) {
                        ds.PartlyRead = true;
                        partlyRead_ = true;
                    }
                },
                StepKind::Read);
            readIntoData_ = true;
            if (outcome.succeeded() && !link_.cancelled())
                takeBackup(QStringLiteral("after ") + english);
        } else {
            editor_.apply(
                name, run.parts, [&](DataSet& ds) { outcome = run.procedure(link_, ds, view_); },
                StepKind::Transfer);
        }
        // The file in use was read or written with this model.
        if (outcome.succeeded() && !ds_.CurrentFile.isEmpty())
            RememberFileModel(ds_.CurrentFile, ds_.ModelIndex);
        // With Verify After Write, "Successed!!" waits for the read-back.
        if (verifying && outcome.succeeded())
            return verifyWrite(command == Command::WriteAll, outcome.message);
        ShowEndMessage(link_.prompter(), outcome.message);
        return outcome.result;
    });
}

LinkResult CloneCommands::runTransfer(const QString& name, bool reading,
                                      const std::function<LinkResult()>& body) {
    running_ = true;
    reading_ = reading;
    host_.setTransferRunning(true, reading);
    view_.begin(name, reading, link_.portInUse());
    link_.prompter().clearShown();
    backupProblem_.clear();
    verified_ = false;
    partlyRead_ = false;
    readIntoData_ = false;
    const LinkResult result = body();
    const bool cancelled = link_.cancelled();
    link_.resume();
    QString problem = link_.lastPortError();
    if (problem.isEmpty() && result == LinkResult::RegionError)
        problem = ModelRefusedInWindow(ds_.ModelIndex);
    view_.end(result == LinkResult::Success, cancelled, link_.prompter().shown(), problem);
    QString status = host_.statusText();
    const auto addStatus = [&status](const QString& text) {
        status += QStringLiteral("; ") + text;
    };
    if (verified_)
        addStatus(QCoreApplication::translate("CloneCommands", "Verified"));
    // A read that stopped part-way says how to get back what was there.
    if (partlyRead_)
        addStatus(ResourceText(Text::PartlyReadNotice)
                      .arg(ResourceText(Text::mnuUndo) + QLatin1Char(' ') + name));
    // A backup that could not be written never stops a clone, but is told.
    if (!backupProblem_.isEmpty())
        addStatus(
            QCoreApplication::translate("CloneCommands", "no backup: %1").arg(backupProblem_));
    host_.showStatusText(status);
    // Notes read from the receiver may be in another code page.
    if (readIntoData_)
        host_.showNoteCodePageHint();
    running_ = false;
    reading_ = false;
    host_.setTransferRunning(false, reading);
    emit ended();
    return result;
}

LinkResult CloneCommands::verifyWrite(bool settings, const QString& success) {
    const VerifyOutcome outcome = VerifyWrite(link_, ds_, view_, settings);
    if (outcome.read != LinkResult::Success) {
        ShowReadResult(link_.prompter(), outcome.read);
        return LinkResult::Failure;
    }
    if (!outcome.differences.isEmpty()) {
        link_.prompter().ask(VerifyFailedPrompt(outcome.differences));
        return LinkResult::Failure;
    }
    // The write's "Successed!!" comes only now that the receiver agrees.
    ShowEndMessage(link_.prompter(), success);
    verified_ = true;
    return LinkResult::Success;
}

void CloneCommands::takeBackup(const QString& occasion) {
    QString error;
    if (WriteBackup(ds_, occasion, QDateTime::currentDateTime(), &error).isEmpty())
        backupProblem_ = error;
}

void CloneCommands::compareWithReceiver() {
    auto other = std::make_unique<DataSet>(ds_);
    const LinkResult result = runTransfer(
        QCoreApplication::translate("CloneCommands", "Compare With Receiver"), true, [&] {
            CloneOutcome read = ReadSettings(link_, *other);
            if (read.succeeded())
                read = ReadMemory(link_, *other, view_);
            if (!read.succeeded())
                ShowEndMessage(link_.prompter(), read.message);
            return read.result;
        });
    if (result == LinkResult::Success)
        CompareDialog(CompareData(ds_, *other),
                      QCoreApplication::translate("CloneCommands", "the receiver"),
                      host_.dialogParent())
            .exec();
}

DetectedModel CloneCommands::findModel() {
    DetectedModel found;
    runTransfer(DetectModelTitle(), true, [&] {
        found = DetectModelAndTell(link_);
        // Refused by every model is no refusal of the selected one.
        return found.result == LinkResult::RegionError ? LinkResult::Failure : found.result;
    });
    if (found.result == LinkResult::Success)
        host_.showStatusText(host_.statusText() + QStringLiteral("; ") +
                             ModelFoundInWindow(found.model));
    return found;
}

void CloneCommands::detectModel() {
    const DetectedModel found = findModel();
    if (found.result == LinkResult::Success)
        emit modelDetected(found.model);
}

void CloneCommands::cancelRead() {
    if (running_ && reading_)
        link_.cancel();
}

QString CloneCommands::partlyReadNotice() {
    // The text before the name of the step to undo.
    return ResourceText(Text::PartlyReadNotice).section(QStringLiteral("%1"), 0, 0);
}

} // namespace mtz4
