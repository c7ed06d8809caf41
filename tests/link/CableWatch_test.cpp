// Finding the cable in a list of serial ports that changes while it is
// unplugged and plugged in again.
#include "link/CableWatch.h"

#include <QtTest>

using namespace mtz4;

class CableWatchTest : public QObject {
    Q_OBJECT
private slots:
    void thePortThatAppearsIsTheCable_data();
    void thePortThatAppearsIsTheCable();
};

namespace {

SerialPortEntry Port(const QString& device, const QString& aliasOf = {}) {
    SerialPortEntry port;
    port.device = device;
    port.aliasOf = aliasOf;
    return port;
}

} // namespace

void CableWatchTest::thePortThatAppearsIsTheCable_data() {
    // Each look's devices, ":" marking a stable name of the device after it.
    QTest::addColumn<QList<QStringList>>("looks");
    QTest::addColumn<QString>("found"); // empty: none
    const QString s0 = QStringLiteral("/dev/ttyS0"), usb = QStringLiteral("/dev/ttyUSB0");
    const QString byId = QStringLiteral("/dev/serial/by-id/usb-cable:/dev/ttyUSB0");
    QTest::newRow("unplugged, plugged in") << QList<QStringList>{{s0, usb}, {s0}, {s0, usb}} << usb;
    QTest::newRow("plugged in only") << QList<QStringList>{{s0}, {s0, usb}} << usb;
    QTest::newRow("stable name preferred") << QList<QStringList>{{s0}, {s0, usb, byId}}
                                           << QStringLiteral("/dev/serial/by-id/usb-cable");
    QTest::newRow("only unplugged") << QList<QStringList>{{s0, usb}, {s0}, {s0}} << QString();
    QTest::newRow("nothing changes") << QList<QStringList>{{s0}, {s0}} << QString();
}

void CableWatchTest::thePortThatAppearsIsTheCable() {
    QFETCH(QList<QStringList>, looks);
    QFETCH(QString, found);
    int look = 0;
    CableWatch watch([&] {
        QList<SerialPortEntry> ports;
        for (const QString& device : looks.at(std::min<qsizetype>(look, looks.size() - 1)))
            ports << Port(device.section(QLatin1Char(':'), 0, 0),
                          device.section(QLatin1Char(':'), 1));
        ++look;
        return ports;
    });
    std::optional<SerialPortEntry> cable;
    while (look < looks.size() && !cable)
        cable = watch.poll();
    QCOMPARE(cable ? cable->device : QString(), found);
}

QTEST_MAIN(CableWatchTest)
#include "CableWatch_test.moc"
