#include "app/ModelCommands.h"

#include "app/CommandHost.h"
#include "app/DetectModel.h"
#include "app/FileCommands.h"
#include "editing/DataEditor.h"
#include "files/ImportReport.h"
#include "files/ModelFit.h"
#include "model/DataDiff.h"
#include "model/DataSet.h"
#include "model/Prompter.h"
#include "model/ReferenceTables.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace mtz4 {

namespace {

enum class ModelChoice { Stay, Keep, Factory };

// The choice between keeping the data and the factory data of `model`,
// after `text`.
ModelChoice AskModelChoice(Prompter& prompter, const QString& text, const QString& title,
                           int model) {
    const QString name = ModelName(model);
    Prompt prompt{text + QStringLiteral("\r\n\r\n") +
                      QCoreApplication::translate(
                          "ModelCommands",
                          "Keep these channels: the data stay, checked against the rules "
                          "of %1; what does not fit is reported, and Undo brings it back. "
                          "Factory data: the data start afresh from the factory data of %1.")
                          .arg(name),
                  title, PromptIcon::Exclamation, PromptButtons::YesNoCancel, PromptAnswer::Yes};
    prompt.yesText = QCoreApplication::translate("ModelCommands", "Keep these channels");
    prompt.noText = QCoreApplication::translate("ModelCommands", "Factory data");
    switch (prompter.ask(prompt)) {
    case PromptAnswer::Yes:
        return ModelChoice::Keep;
    case PromptAnswer::No:
        return ModelChoice::Factory;
    case PromptAnswer::Cancel:
    case PromptAnswer::Ok:
        break;
    }
    return ModelChoice::Stay;
}

QString ModelTitle() {
    return QCoreApplication::translate("ModelCommands", "Model");
}

} // namespace

ModelCommands::ModelCommands(DataSet& ds, DataEditor& editor, Prompter& prompter,
                             FileCommands& files, CommandHost& host, QObject* parent)
    : QObject(parent), ds_(ds), editor_(editor), prompter_(prompter), files_(files), host_(host) {
    connect(&editor_, &DataEditor::stepEnded, this,
            [this](const QString&, DataParts, StepKind kind, bool happened) {
                if (happened && (kind == StepKind::Replace || kind == StepKind::Read))
                    takeBaseline();
            });
    connect(&editor_, &DataEditor::saved, this, &ModelCommands::takeBaseline);
}

ModelCommands::~ModelCommands() = default;

void ModelCommands::takeBaseline() {
    baseline_ = std::make_unique<DataSet>(ds_);
}

bool ModelCommands::dataDiffer() const {
    // Unchanged since the last load, save or New: nothing to compare.
    if (!ds_.DataChanged)
        return false;
    return !baseline_ || !CompareData(ds_, *baseline_).isEmpty();
}

bool ModelCommands::chooseModel(int model) {
    if (model == ds_.ModelIndex)
        return true;
    if (!ds_.CurrentFile.isEmpty()) {
        const QString text = QCoreApplication::translate("ModelCommands", "Select %1 for %2?")
                                 .arg(ModelName(model), QFileInfo(ds_.CurrentFile).fileName());
        switch (AskModelChoice(prompter_, text, ModelTitle(), model)) {
        case ModelChoice::Keep:
            keepChannels(model);
            return true;
        case ModelChoice::Factory:
            return resetToModel(model);
        case ModelChoice::Stay:
            break;
        }
        return false;
    }
    return resetToModel(model);
}

bool ModelCommands::offerDetected(int found) {
    const QString name = ModelName(found);
    if (found == ds_.ModelIndex) {
        prompter_.ask(
            {QCoreApplication::translate("ModelCommands",
                                         "The receiver accepted the model %1, the one selected on "
                                         "Settings 1.")
                 .arg(name),
             DetectModelTitle(), PromptIcon::Information, PromptButtons::Ok, PromptAnswer::Ok});
        return true;
    }
    const QString text =
        QCoreApplication::translate(
            "ModelCommands",
            "The receiver accepted the model %1, but Settings 1 has %2 selected. Select %1?")
            .arg(name, ModelName(ds_.ModelIndex));
    switch (AskModelChoice(prompter_, text, DetectModelTitle(), found)) {
    case ModelChoice::Keep: {
        // What Detect Model found stays in the status bar, before what was kept.
        const QString detected = host_.statusText();
        keepChannels(found);
        host_.showStatusText(detected + QStringLiteral("; ") + host_.statusText());
        return true;
    }
    case ModelChoice::Factory:
        return resetToModel(found);
    case ModelChoice::Stay:
        break;
    }
    return false;
}

void ModelCommands::keepChannels(int model) {
    ImportReport report;
    const QString step = ModelTitle() + QLatin1Char(' ') + ModelName(model);
    editor_.apply(step, DataPart::Everything,
                  [&](DataSet& ds) { report = FitDataToModel(ds, model); });
    // What the summary says was done to the data that fitted (a word the
    // summary reads, not one it shows).
    const QString kept = QStringLiteral("kept");
    // The counts in the status bar; what did not fit in a report.
    host_.showStatusText(step + QStringLiteral(": ") +
                         ImportSummary(report, kept, 0).section(QLatin1Char(':'), 0, 0));
    if (!report.skipped.isEmpty() || !report.changed.isEmpty())
        ShowImportReport(prompter_, report, step, kept, PromptIcon::Exclamation);
}

bool ModelCommands::resetToModel(int model) {
    if (dataDiffer() && !files_.askToSaveChanges())
        return false;
    files_.putFactoryData(ModelTitle() + QLatin1Char(' ') + ModelName(model), model,
                          StepKind::Edit);
    takeBaseline();
    return true;
}

} // namespace mtz4
