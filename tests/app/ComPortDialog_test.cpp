// The COM port dialog: captions, selection on opening, OK and closing by the
// window frame; the system's serial ports (an injected list) and a device
// chosen among them, which outlives the program.
#include "app/ComPortDialog.h"
#include "app/MainWindow.h"
#include "link/PortDevice.h"
#include "support/FakeLink.h"
#include "support/Shell.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace mtz4;
using namespace mtz4::test;

class ComPortDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void controlsAndCaptions();
    void openingSelectsTheCurrentPort();
    void devicesShownAndAbsentOnesGreyed();
    void okClosesThePortAndSetsTheNumber();
    void cancelAndClosingByTheFrameChangeNothing();
    void serialPortsListedAndOneChosen();
    void chosenDeviceOutlivesTheProgramEvenUnplugged();
    void findTheCableChoosesThePortThatAppears();

private:
};

namespace {

// Opens the port with one exchange.
void openPort(FakeLink& f) {
    f.port().answerNext(answer::ack("OK"));
    QCOMPARE(f.link().SendQZAck(QStringLiteral("QZ~IM")), AckCode::AckOk);
    QVERIFY(f.link().isOpen());
}

// A USB adapter as the system reports it, under its own name and its stable one.
const QString Acm = QStringLiteral("/dev/ttyACM0");
const QString ById = QStringLiteral("/dev/serial/by-id/usb-Orlenk_MT-Z4_Cable_0042-if00");

QList<SerialPortEntry> adapterPorts() {
    SerialPortEntry acm;
    acm.device = Acm;
    acm.description = QStringLiteral("MT-Z4 Cable");
    acm.manufacturer = QStringLiteral("Orlenk");
    acm.serialNumber = QStringLiteral("0042");
    acm.vendorId = 0x1234;
    acm.productId = 0xabcd;
    SerialPortEntry byId = acm;
    byId.device = ById;
    byId.aliasOf = Acm;
    SerialPortEntry uart;
    uart.device = QStringLiteral("/dev/ttyS0");
    return {byId, uart, acm};
}

QStringList rowTexts(const QTreeWidget& list, int row) {
    QStringList texts;
    for (int column = 0; column < list.columnCount(); ++column)
        texts << list.topLevelItem(row)->text(column);
    return texts;
}

bool greyed(const QTreeWidget& list, int row) {
    return list.topLevelItem(row)->foreground(0).color() ==
           list.palette().color(QPalette::Disabled, QPalette::Text);
}

} // namespace

void ComPortDialogTest::controlsAndCaptions() {
    FakeLink f;
    dlgCOM dialog(f.link());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("COM Port Setup"));
    QCOMPARE(dialog.findChildren<QRadioButton*>().size(), 17); // and the other device
    QCOMPARE(dialog.opbCom(0)->text(), QStringLiteral("COM  1"));
    QCOMPARE(dialog.opbCom(8)->text(), QStringLiteral("COM  9"));
    QCOMPARE(dialog.opbCom(9)->text(), QStringLiteral("COM 10"));
    QCOMPARE(dialog.opbCom(15)->text(), QStringLiteral("COM 16"));
    const auto buttons = dialog.findChildren<QPushButton*>();
    QCOMPARE(buttons, (QList<QPushButton*>{dialog.cmdFindCable(), dialog.OKButton(),
                                           dialog.CancelButton()}));
    QCOMPARE(dialog.OKButton()->text(), QStringLiteral("OK"));
    QCOMPARE(dialog.CancelButton()->text(), QStringLiteral("Cancel"));
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

void ComPortDialogTest::cancelAndClosingByTheFrameChangeNothing() {
    FakeLink f;
    f.link().setPortNumber(4);
    openPort(f);
    dlgCOM dialog(f.link());
    dialog.show();
    QTest::mouseClick(dialog.opbCom(9), Qt::LeftButton);
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    QVERIFY(dialog.isHidden());
    QCOMPARE(f.link().portNumber(), 4);
    QVERIFY(f.link().isOpen());

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

void ComPortDialogTest::serialPortsListedAndOneChosen() {
    FakeLink f;
    openPort(f);
    dlgCOM dialog(f.link());
    dialog.setPortLister(adapterPorts);
    dialog.show();
    QTreeWidget& list = *dialog.lstPorts();
    QCOMPARE(list.topLevelItemCount(), 3);
    QCOMPARE(rowTexts(list, 0),
             QStringList({Acm, QStringLiteral("MT-Z4 Cable"), QStringLiteral("Orlenk"),
                          QStringLiteral("1234:abcd"), QStringLiteral("0042")}));
    QCOMPARE(rowTexts(list, 1).first(), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(rowTexts(list, 2).mid(0, 2),
             QStringList({ById, QStringLiteral("(ttyACM0) MT-Z4 Cable")}));
    QVERIFY(!greyed(list, 0));
    QVERIFY(dialog.opbCom(0)->isChecked());

    // Choosing a row chooses the other device; OK takes it and keeps it.
    list.setCurrentItem(list.topLevelItem(2));
    QVERIFY(dialog.opbDevice()->isChecked());
    QCOMPARE(dialog.txtDevice()->text(), ById);
    QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    QVERIFY(!f.link().isOpen());
    QCOMPARE(f.link().chosenDevice(), ById);
    QCOMPARE(ReadChosenDevice(), ById);
    openPort(f);
    QCOMPARE(f.port().openedDevices.last(), ById);

    // A typed device; the option without one cannot be confirmed.
    dialog.show();
    QCOMPARE(list.currentItem(), list.topLevelItem(2));
    dialog.txtDevice()->clear();
    QVERIFY(!dialog.OKButton()->isEnabled());
    QTest::keyClicks(dialog.txtDevice(), QStringLiteral("/dev/pts/7"));
    QVERIFY(dialog.OKButton()->isEnabled());
    QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    QCOMPARE(f.link().chosenDevice(), QStringLiteral("/dev/pts/7"));

    // The system does not list it: it is offered as the last row, greyed
    // while it is not there.
    dialog.show();
    QCOMPARE(list.topLevelItemCount(), 4);
    QCOMPARE(rowTexts(list, 3).first(), QStringLiteral("/dev/pts/7"));
    QCOMPARE(list.currentItem(), list.topLevelItem(3));
    QCOMPARE(greyed(list, 3), !QFileInfo::exists(QStringLiteral("/dev/pts/7")));

    // A device stored by its bare name is the listed one, not a row again.
    dialog.txtDevice()->clear();
    QTest::keyClicks(dialog.txtDevice(), QStringLiteral("ttyS0"));
    QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    dialog.show();
    QCOMPARE(list.topLevelItemCount(), 3);

    // A numbered port again: the device is forgotten.
    QTest::mouseClick(dialog.opbCom(1), Qt::LeftButton);
    QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    QCOMPARE(f.link().portNumber(), 2);
    QCOMPARE(f.link().chosenDevice(), QString());
    QCOMPARE(ReadChosenDevice(), QString());
}

void ComPortDialogTest::chosenDeviceOutlivesTheProgramEvenUnplugged() {
    QString iniDir;
    {
        Shell shell({QStringLiteral("mtz4clone")}, QByteArray("4\r\n"));
        iniDir = shell.ini.programDir;
        dlgCOM& dialog = *shell.window().comPortDialog();
        dialog.setPortLister(adapterPorts);
        dialog.show();
        QVERIFY(dialog.opbCom(3)->isChecked());
        dialog.lstPorts()->setCurrentItem(dialog.lstPorts()->topLevelItem(2));
        QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
        QVERIFY(shell.window().close());
        // The INI file keeps the port number.
        QFile ini(QDir(iniDir).filePath(QStringLiteral("MT-Z4.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), QByteArray("4\r\n"));
    }
    // Started again with the adapter unplugged.
    Shell shell({QStringLiteral("mtz4clone")}, QByteArray("4\r\n"));
    QCOMPARE(shell.program->link().devicePath(), ById);
    QCOMPARE(shell.program->link().portNumber(), 4);
    dlgCOM& dialog = *shell.window().comPortDialog();
    dialog.setPortLister([] { return QList<SerialPortEntry>{}; });
    dialog.show();
    QVERIFY(dialog.opbDevice()->isChecked());
    QCOMPARE(dialog.lstPorts()->topLevelItemCount(), 1);
    QCOMPARE(dialog.lstPorts()->currentItem()->text(dlgCOM::DeviceColumn), ById);
    QVERIFY(greyed(*dialog.lstPorts(), 0));
    dialog.hide();

    // MTZ4_COM4 beats the stored device for one run, and the status bar says so.
    const QString link = shell.path(QStringLiteral("sim-link"));
    qputenv("MTZ4_COM4", link.toLocal8Bit());
    {
        Shell again({QStringLiteral("mtz4clone")}, QByteArray("4\r\n"));
        QCOMPARE(again.program->link().devicePath(), link);
        const QString status = again.window().statusPanel(0)->text();
        QVERIFY2(status.contains(QStringLiteral("COM 4 (%1) is used for this run, as MTZ4_COM4 "
                                                "says, instead of %2")
                                     .arg(link, ById)),
                 qPrintable(status));
    }
    qunsetenv("MTZ4_COM4");
    QCOMPARE(ReadChosenDevice(), ById);
    WriteChosenDevice({});
}

// The cable unplugged and plugged in again: the list changes under the
// finder, which chooses the port that appeared and describes it.
void ComPortDialogTest::findTheCableChoosesThePortThatAppears() {
    FakeLink f;
    dlgCOM dialog(f.link());
    int looks = 0;
    dialog.setPortLister([&looks] {
        QList<SerialPortEntry> ports = adapterPorts();
        // At the dialog's opening and the finder's first look: plugged in;
        // then unplugged; then plugged in again.
        return ++looks == 3 ? ports.mid(1, 1) : ports;
    });
    dialog.show();
    QVERIFY(dialog.opbCom(0)->isChecked());
    dialog.findCable();
    QVERIFY(looks >= 4);
    QVERIFY(dialog.opbDevice()->isChecked());
    QCOMPARE(dialog.txtDevice()->text(), ById);
    QVERIFY(dialog.lblFound()->isVisibleTo(&dialog));
    const QString found = dialog.lblFound()->text();
    QVERIFY2(found.startsWith(QStringLiteral("Found: ") + ById), qPrintable(found));
    QVERIFY2(found.contains(QStringLiteral("1234:abcd")), qPrintable(found));
}

QTEST_MAIN(ComPortDialogTest)
#include "ComPortDialog_test.moc"
