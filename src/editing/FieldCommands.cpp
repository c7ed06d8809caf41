#include "editing/FieldCommands.h"

#include "editing/DataEditor.h"
#include "editing/FillFrequenciesDialog.h"
#include "editing/MemoryGrid.h"
#include "editing/PropertiesDialog.h"
#include "files/ChirpRecord.h"
#include "model/NumericText.h"
#include "model/Prompter.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>

namespace mtz4 {

namespace {

constexpr double DefaultFillStepKHz = 12.5;

} // namespace

FieldCommands::FieldCommands(DataEditor& editor, Prompter& prompter, MemoryGrid& grid,
                             QObject* parent)
    : QObject(parent), editor_(editor), prompter_(prompter), grid_(grid) {}

QList<int> FieldCommands::selectedEntries(const QString& title, int least) {
    const QList<int> entries = grid_.selectedEntries();
    if (entries.size() < least) {
        prompter_.status(QCoreApplication::translate("FieldCommands", "%1: select at least %n rows",
                                                     nullptr, least)
                             .arg(title));
        return {};
    }
    return entries;
}

void FieldCommands::change(const std::function<QString(const EntriesEdit&)>& nameOf,
                           const QString& title, const QList<int>& entries,
                           const std::function<FieldChanges(int, int)>& changesOf) {
    const EntriesEdit edit = PlanEntriesEdit(editor_.data(), entries, changesOf, [this](int entry) {
        return grid_.rowLabel(entry + 1);
    });
    if (!edit.stores.isEmpty()) {
        // The rows stay selected for the next command, as they were.
        const QList<int> selected = grid_.selectedEntries();
        editor_.apply(nameOf(edit), DataPart::Memory,
                      [&edit](DataSet& ds) { StoreEntriesEdit(ds, edit); });
        grid_.keepSelected(selected);
    }
    const QString summary =
        QCoreApplication::translate("FieldCommands", "%1: %2 of %n entries changed, %3 refused",
                                    nullptr, entries.size())
            .arg(title)
            .arg(edit.stores.size())
            .arg(edit.refusals.size());
    if (edit.refusals.isEmpty() && edit.noteChanges.isEmpty()) {
        prompter_.status(summary);
        return;
    }
    QStringList lines = edit.refusals;
    lines << edit.noteChanges;
    const int shown = 20;
    QString text = summary;
    for (int i = 0; i < lines.size() && i < shown; ++i)
        text += QStringLiteral("\r\n") + lines[i];
    prompter_.report({text, title, PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok},
                     lines.size() > shown ? lines : QStringList());
}

void FieldCommands::properties() {
    const QString title = QCoreApplication::translate("FieldCommands", "Properties");
    const QList<int> entries = selectedEntries(title, 1);
    if (entries.isEmpty())
        return;
    PropertiesDialog dialog(editor_.data(), entries, grid_.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const FieldChanges changes = dialog.changes();
    if (changes.isEmpty())
        return;
    const auto name = [this](const EntriesEdit& edit) {
        return edit.stores.size() == 1
                   ? QCoreApplication::translate("FieldCommands", "Edit %1")
                         .arg(grid_.rowLabel(edit.stores.first().first + 1))
                   : QCoreApplication::translate("FieldCommands", "Edit %n entries", nullptr,
                                                 edit.stores.size());
    };
    change(name, title, entries, [&changes](int, int) { return changes; });
}

void FieldCommands::fillDown() {
    const QString title = QCoreApplication::translate("FieldCommands", "Fill Down");
    const QList<int> entries = selectedEntries(title, 2);
    if (entries.isEmpty())
        return;
    const DataSet& ds = editor_.data();
    const int column = grid_.currentIndex().isValid() ? grid_.currentIndex().column() + 1 : 1;
    const EditField field = FieldOfColumn(column, ds.ModelIndex);
    const QString header = grid_.model()->headerData(column - 1, Qt::Horizontal).toString();
    const int first = entries.first();
    if (field == EditField::None || !EntryHasFrequency(ds, first)) {
        prompter_.status(QStringLiteral("%1: %2 %3: %4")
                             .arg(title, grid_.rowLabel(first + 1), header,
                                  field == EditField::None ? QCoreApplication::translate(
                                                                 "FieldCommands", "nothing to copy")
                                                           : NoFrequencyRefusal()));
        return;
    }
    const QVariant value = FieldValue(StoredEntryFields(ds, first), field);
    change(
        [header](const EntriesEdit&) {
            return QCoreApplication::translate("FieldCommands", "Fill Down %1").arg(header);
        },
        title, entries.mid(1),
        [field, value](int, int) {
            return FieldChanges{{field, value}};
        });
}

void FieldCommands::fillFrequencies() {
    const QString title = QCoreApplication::translate("FieldCommands", "Fill Frequencies");
    const QList<int> entries = selectedEntries(title, 1);
    if (entries.isEmpty())
        return;
    // The first row's frequency and step to start from, where it has them.
    const DataSet& ds = editor_.data();
    const int first = entries.first();
    const bool inUse = EntryHasFrequency(ds, first);
    const QString start = inUse ? ds.MemText[first][Col::Freq] : NewEntryFields().freq;
    const double step =
        inUse ? StepKilohertz(int(ds.MemData[first][Col::Step])) : DefaultFillStepKHz;
    FillFrequenciesDialog dialog(start, step, int(entries.size()), grid_.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const double startMHz = dialog.startMHz();
    const double stepKHz = dialog.stepKHz();
    change(
        [](const EntriesEdit&) {
            return QCoreApplication::translate("FieldCommands", "Fill Frequencies");
        },
        title, entries,
        [=](int index, int) {
            return FieldChanges{{EditField::Freq, FilledFrequency(startMHz, stepKHz, index)}};
        });
}

} // namespace mtz4
