// Port failures in plain words: what the system reported, and the device
// path as it looks now, give the kind of failure the user is told about.
#include "link/PortFailure.h"

#include <QTest>

using namespace mtz4;

class PortFailureTest : public QObject {
    Q_OBJECT

private slots:
    void classification_data();
    void classification();
    void descriptionsNameTheDeviceAndTheRemedy();
};

Q_DECLARE_METATYPE(mtz4::PortFailure)

void PortFailureTest::classification_data() {
    QTest::addColumn<bool>("whileOpen");
    QTest::addColumn<bool>("notFound");
    QTest::addColumn<bool>("permissionError");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("accessible");
    QTest::addColumn<PortFailure>("want");
    QTest::newRow("open: not found")
        << false << true << false << false << false << PortFailure::NoDevice;
    QTest::newRow("open: gone, other error")
        << false << false << false << false << false << PortFailure::NoDevice;
    QTest::newRow("open: refused, not ours")
        << false << false << true << true << false << PortFailure::NoPermission;
    QTest::newRow("open: refused, yet ours (locked)")
        << false << false << true << true << true << PortFailure::Busy;
    QTest::newRow("open: other error")
        << false << false << false << true << true << PortFailure::Other;
    QTest::newRow("open, then device gone")
        << true << false << false << false << false << PortFailure::Vanished;
    QTest::newRow("open, read failed, device there")
        << true << false << false << true << true << PortFailure::LineError;
}

void PortFailureTest::classification() {
    QFETCH(bool, whileOpen);
    QFETCH(bool, notFound);
    QFETCH(bool, permissionError);
    QFETCH(bool, exists);
    QFETCH(bool, accessible);
    QFETCH(PortFailure, want);
    PortFailureFacts facts;
    facts.whileOpen = whileOpen;
    facts.notFound = notFound;
    facts.permissionError = permissionError;
    facts.deviceExists = exists;
    facts.deviceAccessible = accessible;
    QCOMPARE(ClassifyPortFailure(facts), want);
}

void PortFailureTest::descriptionsNameTheDeviceAndTheRemedy() {
    const QString device = QStringLiteral("/dev/ttyUSB0");
    for (PortFailure kind : {PortFailure::NoDevice, PortFailure::NoPermission, PortFailure::Busy,
                             PortFailure::Vanished, PortFailure::LineError, PortFailure::Other})
        QVERIFY(DescribePortFailure(kind, device, QStringLiteral("x")).contains(device));
#ifdef Q_OS_LINUX
    QVERIFY(DescribePortFailure(PortFailure::NoPermission, device, {})
                .contains(QLatin1String("dialout")));
#endif
    // The system's own words are kept where the kind alone says too little.
    QVERIFY(DescribePortFailure(PortFailure::Other, device, QStringLiteral("Unknown error 71"))
                .contains(QLatin1String("Unknown error 71")));
}

QTEST_GUILESS_MAIN(PortFailureTest)
#include "PortFailure_test.moc"
