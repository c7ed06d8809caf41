// The COM port dialog: captions, selection on opening, OK and closing by the
// window frame.
#include "app/ComPortDialog.h"
#include "link/PortDevice.h"
#include "support/FakeLink.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace mtz4;
using namespace mtz4::test;

class ComPortDialogTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAndCaptions();
    void openingSelectsTheCurrentPort();
    void devicesShownAndAbsentOnesGreyed();
    void okClosesThePortAndSetsTheNumber();
    void closingByTheFrameChangesNothing();
};

namespace {

// Opens the port with one exchange.
void openPort(FakeLink& f) {
    f.port().answerNext(answer::ack("OK"));
    QCOMPARE(f.link().SendQZAck(QStringLiteral("QZ~IM")), AckCode::AckOk);
    QVERIFY(f.link().isOpen());
}

} // namespace

void ComPortDialogTest::controlsAndCaptions() {
    FakeLink f;
    dlgCOM dialog(f.link());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("COM Port Setup"));
    QCOMPARE(dialog.findChildren<QRadioButton*>().size(), 16);
    QCOMPARE(dialog.opbCom(0)->text(), QStringLiteral("COM  1"));
    QCOMPARE(dialog.opbCom(8)->text(), QStringLiteral("COM  9"));
    QCOMPARE(dialog.opbCom(9)->text(), QStringLiteral("COM 10"));
    QCOMPARE(dialog.opbCom(15)->text(), QStringLiteral("COM 16"));
    const auto buttons = dialog.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 1); // no cancel button
    QCOMPARE(buttons.at(0), dialog.OKButton());
    QCOMPARE(dialog.OKButton()->text(), QStringLiteral("OK"));
}

void ComPortDialogTest::openingSelectsTheCurrentPort() {
    FakeLink f;
    f.link().setPortNumber(3);
    dlgCOM dialog(f.link());
    dialog.show();
    QVERIFY(dialog.opbCom(2)->isChecked());
    dialog.hide();

    f.link().setPortNumber(12);
    dialog.show();
    QVERIFY(dialog.opbCom(11)->isChecked());
    QVERIFY(!dialog.opbCom(2)->isChecked());
    dialog.hide();
}

void ComPortDialogTest::devicesShownAndAbsentOnesGreyed() {
    QTemporaryDir dir;
    const QString present = dir.filePath(QStringLiteral("receiver"));
    QFile(present).open(QIODevice::WriteOnly);
    const QString absent = dir.filePath(QStringLiteral("gone"));
    qputenv("MTZ4_COM3", present.toLocal8Bit());
    qputenv("MTZ4_COM4", absent.toLocal8Bit());
    FakeLink f;
    dlgCOM dialog(f.link());
    dialog.show();
    QCOMPARE(dialog.lblDevice(2)->text(), present);
    QVERIFY(dialog.lblDevice(2)->isEnabled());
    QCOMPARE(dialog.lblDevice(3)->text(), absent);
    QVERIFY(!dialog.lblDevice(3)->isEnabled());
    dialog.hide();

    // Looked up afresh at every opening: the device has appeared.
    QFile(absent).open(QIODevice::WriteOnly);
    dialog.show();
    QVERIFY(dialog.lblDevice(3)->isEnabled());
    dialog.hide();
    qunsetenv("MTZ4_COM3");
    qunsetenv("MTZ4_COM4");
}

void ComPortDialogTest::okClosesThePortAndSetsTheNumber() {
    FakeLink f;
    openPort(f);
    dlgCOM dialog(f.link());
    // Shown modally, as the menu command does; the user picks COM 15, then OK.
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(dialog.opbCom(0)->isChecked());
        QTest::mouseClick(dialog.opbCom(14), Qt::LeftButton);
        QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.link().portNumber(), 15);
    QVERIFY(!f.link().isOpen());
    QCOMPARE(f.port().closeCount, 1);

    // Not reopened by the dialog; the next exchange opens the new port.
    QCOMPARE(f.port().openedDevices.size(), 1);
    openPort(f);
    QCOMPARE(f.port().openedDevices.last(), devicePathForPort(15));

    // OK without a change still closes the port and keeps the number.
    dialog.show();
    QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    QVERIFY(!f.link().isOpen());
    QCOMPARE(f.link().portNumber(), 15);
}

void ComPortDialogTest::closingByTheFrameChangesNothing() {
    FakeLink f;
    f.link().setPortNumber(4);
    openPort(f);
    dlgCOM dialog(f.link());
    dialog.show();
    QTest::mouseClick(dialog.opbCom(9), Qt::LeftButton);
    QVERIFY(dialog.close());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(f.link().portNumber(), 4);
    QVERIFY(f.link().isOpen());

    dialog.show(); // the abandoned choice is not shown again
    QVERIFY(dialog.opbCom(3)->isChecked());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(f.link().portNumber(), 4);
    QVERIFY(f.link().isOpen());
}

QTEST_MAIN(ComPortDialogTest)
#include "ComPortDialog_test.moc"
