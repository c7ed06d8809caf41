// Port numbers, the devices behind them, and when the link opens and closes
// its port.
#include "link/Link.h"
#include "link/PortDevice.h"
#include "support/FakeLink.h"

#include <QFileInfo>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

class LinkTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("MTZ4_COM3"); }

    void devicesBehindPortNumbers();
    void portNumberRange();
    void changingThePortClosesItAndTheNextExchangeOpensTheNewDevice();
    void devicePathGivenDirectly();
};

void LinkTest::devicesBehindPortNumbers() {
    QCOMPARE(devicePathForPort(0), QString());
    QCOMPARE(devicePathForPort(17), QString());
#ifndef Q_OS_WIN
    const QString third = devicePathForPort(3);
    QVERIFY(third == QLatin1String("/dev/ttyUSB2") || third == QLatin1String("/dev/ttyS2"));
    if (!QFileInfo::exists(QStringLiteral("/dev/ttyUSB15")))
        QCOMPARE(devicePathForPort(16), QStringLiteral("/dev/ttyS15"));
#endif
    qputenv("MTZ4_COM3", "/tmp/receiver");
    QCOMPARE(portOverrideVariable(3), QStringLiteral("MTZ4_COM3"));
    QCOMPARE(devicePathForPort(3), QStringLiteral("/tmp/receiver"));
    QVERIFY(devicePathForPort(4) != QLatin1String("/tmp/receiver"));
    qputenv("MTZ4_COM3", "");
    QVERIFY(devicePathForPort(3) != QLatin1String(""));
}

void LinkTest::portNumberRange() {
    FakeLink f;
    QCOMPARE(f.link().portNumber(), 1);
    QVERIFY(f.link().setPortNumber(16));
    QCOMPARE(f.link().portNumber(), 16);
    QVERIFY(!f.link().setPortNumber(0));
    QVERIFY(!f.link().setPortNumber(17));
    QCOMPARE(f.link().portNumber(), 16);
}

void LinkTest::changingThePortClosesItAndTheNextExchangeOpensTheNewDevice() {
    FakeLink f;
    qputenv("MTZ4_COM3", "/tmp/receiver");
    f.port().setResponder(answer::ack("OK"));
    f.link().SendQZAck(QStringLiteral("QZ~IM"));
    f.link().SendQZAck(QStringLiteral("QZ~IM"));
    QCOMPARE(f.port().openedDevices, QStringList{devicePathForPort(1)}); // kept open

    QVERIFY(f.link().setPortNumber(3));
    QVERIFY(!f.link().isOpen());
    QCOMPARE(f.port().closeCount, 1);
    QCOMPARE(f.link().SendQZAck(QStringLiteral("QZ~IM")), AckCode::AckOk);
    QCOMPARE(f.port().openedDevices.last(), QStringLiteral("/tmp/receiver"));
}

void LinkTest::devicePathGivenDirectly() {
    FakeLink f;
    f.link().setDevicePath(QStringLiteral("/dev/pts/7"));
    QCOMPARE(f.link().devicePath(), QStringLiteral("/dev/pts/7"));
    f.link().SendQZData(QStringLiteral("QZ~F00022R"));
    QCOMPARE(f.port().openedDevices, QStringList{QStringLiteral("/dev/pts/7")});
    // Choosing a port number afterwards goes back to the number's device.
    f.link().setPortNumber(2);
    QCOMPARE(f.link().devicePath(), devicePathForPort(2));
    QCOMPARE(f.link().chosenDevice(), QString());

    // A device may be named instead of given by its path.
    f.link().setDevicePath(QStringLiteral("ttyACM0"));
    QCOMPARE(f.link().chosenDevice(), QStringLiteral("ttyACM0"));
#ifdef Q_OS_WIN
    QCOMPARE(f.link().devicePath(), QStringLiteral("ttyACM0"));
#else
    QCOMPARE(f.link().devicePath(), QStringLiteral("/dev/ttyACM0"));
#endif
}

QTEST_GUILESS_MAIN(LinkTest)
#include "Link_test.moc"
