#include "app/MessageBoxPrompter.h"

#include "app/ReportDialog.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QMessageBox>

namespace mtz4 {

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton boxButton(PromptAnswer answer) {
    switch (answer) {
    case PromptAnswer::Cancel:
        return QMessageBox::Cancel;
    case PromptAnswer::Yes:
        return QMessageBox::Yes;
    case PromptAnswer::No:
        return QMessageBox::No;
    case PromptAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// The answer when the box is closed without a button.
PromptAnswer escapeAnswer(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::OkCancel:
    case PromptButtons::YesNoCancel:
        return PromptAnswer::Cancel;
    case PromptButtons::YesNo:
        return PromptAnswer::No;
    case PromptButtons::Ok:
        break;
    }
    return PromptAnswer::Ok;
}

// Room for the whole title in the frame: a short message ("Successed!!")
// makes a box too narrow for its title ("Success" shown as "S... ss"). The
// frame's buttons and margins take about as much as a few words more.
constexpr int TitleFrameAllowance = 160;

void MakeRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + TitleFrameAllowance;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

PromptAnswer MessageBoxPrompter::ask(const Prompt& prompt) {
    QMessageBox box(boxIcon(prompt.icon), prompt.title, prompt.text, boxButtons(prompt.buttons),
                    parent_);
    // The reason of a failure on a line of its own below the fixed text.
    box.setInformativeText(prompt.reason);
    const QMessageBox::StandardButtons buttons = boxButtons(prompt.buttons);
    if (buttons.testFlag(boxButton(prompt.defaultAnswer)))
        box.setDefaultButton(boxButton(prompt.defaultAnswer));
    box.setEscapeButton(boxButton(escapeAnswer(prompt.buttons)));
    if (QAbstractButton* yes = box.button(QMessageBox::Yes); yes && !prompt.yesText.isEmpty())
        yes->setText(prompt.yesText);
    if (QAbstractButton* no = box.button(QMessageBox::No); no && !prompt.noText.isEmpty())
        no->setText(prompt.noText);
    MakeRoomForTitle(box);

    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    default:
        break;
    }
    return escapeAnswer(prompt.buttons);
}

void MessageBoxPrompter::notify(const Prompt& prompt) {
    auto* box =
        new QMessageBox(boxIcon(prompt.icon), prompt.title, prompt.text, QMessageBox::Ok, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    MakeRoomForTitle(*box);
    box->show();
}

void MessageBoxPrompter::report(const Prompt& prompt, const QStringList& details) {
    ReportDialog(prompt, details, parent_).exec();
}

bool MessageBoxPrompter::reportOffering(const Prompt& prompt, const QStringList& details,
                                        const QString& offer) {
    ReportDialog dialog(prompt, details, parent_, offer);
    dialog.exec();
    return dialog.offerChosen();
}

} // namespace mtz4
