// What a screen reader is told: every interactive element of each page and
// dialog, walked through Qt's accessibility tree, has a name; the Bank
// page's group matrix is one stop of Tab, moved in with the arrow keys,
// Space toggling a box, its boxes at least 16 px.
#include "app/AboutBox.h"
#include "app/BackupsDialog.h"
#include "app/ComPortDialog.h"
#include "app/CompareDialog.h"
#include "app/MainWindow.h"
#include "app/ReportDialog.h"
#include "editing/BankPage.h"
#include "editing/EditDialog.h"
#include "editing/FillFrequenciesDialog.h"
#include "editing/FilterBar.h"
#include "editing/FindBar.h"
#include "editing/GroupMatrix.h"
#include "editing/MemoryPage.h"
#include "editing/PropertiesDialog.h"
#include "support/Shell.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace mtz4;
using namespace mtz4::test;

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void everyElementHasAName();
    void groupMatrixIsOneControl();
};

namespace {

bool Interactive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::List:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

// The interactive elements shown under `node` that have no name, each as
// "role object-name"; the cells of tables and lists are their views' own.
void Unnamed(QAccessibleInterface* node, QStringList& found) {
    if (!node || node->state().invisible)
        return;
    const QAccessible::Role role = node->role();
    if (Interactive(role) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = node->object();
        found << QStringLiteral("%1 %2").arg(int(role)).arg(
            object ? object->objectName() + QLatin1Char(' ') +
                         QLatin1String(object->metaObject()->className())
                   : QString());
    }
    if (role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::List)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        Unnamed(node->child(i), found);
}

QStringList UnnamedIn(QWidget* widget) {
    QStringList found;
    Unnamed(QAccessible::queryAccessibleInterface(widget), found);
    return found;
}

// Walks the dialog `open` shows, once it is up, then closes it.
QStringList UnnamedInDialog(const std::function<void()>& open) {
    QStringList found;
    QTimer::singleShot(0, [&found] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        found = UnnamedIn(dialog);
        found.prepend(dialog->objectName());
        static_cast<QDialog*>(dialog)->reject();
    });
    open();
    return found;
}

} // namespace

void AccessibilityTest::everyElementHasAName() {
    Shell shell;
    frmMain& w = shell.window();
    w.memoryPage()->findBar->open();
    for (int page = 0; page < w.TabStrip1()->count(); ++page) {
        w.TabStrip1()->setCurrentIndex(page);
        QTest::qWait(0);
        const QStringList found = UnnamedIn(&w);
        QVERIFY2(found.isEmpty(), qPrintable(QString::number(page) + QLatin1Char(' ') +
                                             found.join(QStringLiteral("; "))));
    }
    w.TabStrip1()->setCurrentIndex(frmMain::MemoryTab);

    const QList<std::function<void()>> dialogs = {
        [&] { w.modifyDialog()->MSFlexGrid1_DblClick(1, QStringLiteral("00-000")); },
        [&] { w.modifyDialog()->MSFlexGrid2_DblClick(3); },
        [&] { w.comPortDialog()->exec(); },
        [&] { w.aboutBox()->exec(); },
        [&] {
            PropertiesDialog(shell.ds(), {0, 1}, &w).exec();
        },
        [&] { FillFrequenciesDialog(QStringLiteral("145.000000"), 12.5, 4, &w).exec(); },
        [&] { BackupsDialog(shell.path(QStringLiteral("none")), &w).exec(); },
        [&] { CompareDialog({}, QStringLiteral("radio.MZ4"), &w).exec(); },
        [&] {
            ReportDialog({QStringLiteral("Import"), QStringLiteral("Import")}, {"row 1: skipped"},
                         &w)
                .exec();
        },
    };
    for (const auto& open : dialogs) {
        const QStringList found = UnnamedInDialog(open);
        QVERIFY2(found.size() == 1, qPrintable(found.join(QStringLiteral("; "))));
    }
}

void AccessibilityTest::groupMatrixIsOneControl() {
    Shell shell;
    frmMain& w = shell.window();
    w.TabStrip1()->setCurrentIndex(frmMain::BankTab);
    w.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &w);
    BankPage& page = *w.bankPage();
    const auto& box = page.chkGrp;
    // At the window's start size the boxes are big enough to hit.
    for (int i : {50, 99, 549})
        QVERIFY2(box[i]->width() >= 16 && box[i]->height() >= 16,
                 qPrintable(QStringLiteral("%1x%2").arg(box[i]->width()).arg(box[i]->height())));
    // Tab comes to the matrix once, at its current box; arrows move in it.
    page.cmdWriteGroup->setFocus();
    QTest::keyClick(page.cmdWriteGroup, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box[50]);
    QTest::keyClick(box[50], Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), box[101]);
    QCOMPARE(QAccessible::queryAccessibleInterface(box[101])->text(QAccessible::Name),
             QStringLiteral("GRP2, bank 1"));
    QTest::keyClick(box[101], Qt::Key_Space);
    QVERIFY(box[101]->isChecked());
    QCOMPARE(shell.ds().bank.chkGrp[101], 1);
    QTest::keyClick(box[101], Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), box[149]); // from the first bank to the last
    QVERIFY(!box[149]->visibleRegion().isEmpty());   // scrolled into view
    // Tab leaves the matrix; Shift+Tab comes back to the box last visited.
    QTest::keyClick(box[149], Qt::Key_Tab);
    QVERIFY(!page.findChild<GroupMatrix*>()->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), box[149]);
}

QTEST_MAIN(AccessibilityTest)
#include "Accessibility_test.moc"
