#include "app/BackupsDialog.h"

#include "files/Backups.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

// A backup's occasion is in English in its file name ("before Read ALL");
// the list shows it in the program's language, with the command's caption
// as the clone commands show it.
QString Occasion(const QString& english) {
    const QString before = QStringLiteral("before ");
    const QString after = QStringLiteral("after ");
    const auto command = [](const QString& name) {
        return QCoreApplication::translate("CloneCommands", name.toUtf8().constData());
    };
    if (english.startsWith(before))
        return QCoreApplication::translate("BackupsDialog", "before %1")
            .arg(command(english.mid(before.size())));
    if (english.startsWith(after))
        return QCoreApplication::translate("BackupsDialog", "after %1")
            .arg(command(english.mid(after.size())));
    return english;
}

} // namespace

BackupsDialog::BackupsDialog(const QString& folder, QWidget* parent)
    : QDialog(parent), folder_(folder), table_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("BackupsDialog"));
    setWindowTitle(QCoreApplication::translate("BackupsDialog", "Backups"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QList<BackupInfo> backups = ListBackups(folder_);
    table_->setAccessibleName(QCoreApplication::translate("BackupsDialog", "Backups kept"));
    table_->setColumnCount(4);
    table_->setHorizontalHeaderLabels(
        {QCoreApplication::translate("BackupsDialog", "Date"),
         QCoreApplication::translate("BackupsDialog", "Occasion"),
         QCoreApplication::translate("BackupsDialog", "Model"),
         QCoreApplication::translate("BackupsDialog", "Entries in use")});
    table_->setRowCount(int(backups.size()));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    const QLocale locale = QLocale::system();
    for (int r = 0; r < backups.size(); ++r) {
        const BackupInfo& b = backups[r];
        const QString entries = b.enabledEntries < 0
                                    ? QCoreApplication::translate("BackupsDialog", "unreadable")
                                    : QString::number(b.enabledEntries);
        const QStringList cells = {locale.toString(b.when, QLocale::ShortFormat),
                                   Occasion(b.occasion), b.model, entries};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setData(Qt::UserRole, b.path);
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    if (!backups.isEmpty())
        table_->selectRow(0);

    auto* where =
        new QLabel(QCoreApplication::translate("BackupsDialog", "Kept in %1 (the newest %2).")
                       .arg(QDir::toNativeSeparators(folder_))
                       .arg(BackupsKept),
                   this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(QCoreApplication::translate("BackupsDialog", "Open"),
                                           QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("openBackup"));
    open->setEnabled(!backups.isEmpty());
    QPushButton* showFolder = buttons->addButton(
        QCoreApplication::translate("BackupsDialog", "Open Folder"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(showFolder, &QPushButton::clicked, this, [this] {
        QDir().mkpath(folder_);
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder_));
    });
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(where);
    layout->addWidget(buttons);
    resize(560, 360);
}

QString BackupsDialog::chosenPath() const {
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(Qt::UserRole).toString();
}

} // namespace mtz4
