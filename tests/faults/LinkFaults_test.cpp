// Faults on the line, end to end: mtz4ctl read and write against mtz4sim on
// a pseudo-terminal that is silent, loses commands, garbles replies, answers
// just inside or just outside the 500 ms bound, vanishes, or is another
// model; and a sound line behind a USB adapter that holds short packets for
// 16 ms, which must need no retry. Each case checks the messages in order,
// the exit status, a bound on the time taken from the retry rules, and what
// is left behind: no partial or damaged output file after a read, and a
// receiver that holds what it acknowledged and nothing after it.
#include "FaultSupport.h"
#include "support/SimRunner.h"
#include "support/TimeBounds.h"

#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

namespace {

// Expected lines of standard error: equal, or a prefix when ending in "*".
bool linesMatch(const QStringList& got, const QStringList& want) {
    if (got.size() != want.size())
        return false;
    for (qsizetype i = 0; i < got.size(); ++i) {
        const bool prefix = want[i].endsWith(QLatin1Char('*'));
        if (prefix ? !got[i].startsWith(want[i].chopped(1)) : got[i] != want[i])
            return false;
    }
    return true;
}

const QString CommError = QStringLiteral("mtz4ctl: ERROR: Communication Error");
const QString PortError = QStringLiteral("mtz4ctl: ERROR: COM Port Error");
const QString ReadFailed = QStringLiteral("mtz4ctl: ERROR: Read Failed...");
const QString WriteFailed = QStringLiteral("mtz4ctl: ERROR: Write Failed...");
const QString RegionError = QStringLiteral("mtz4ctl: ERROR: Region Error");
const QString Success = QStringLiteral("mtz4ctl: Successed!!");
const QString PortGone = QStringLiteral("mtz4ctl: port: *");
const QString ModelRefused =
    QStringLiteral("mtz4ctl: the receiver did not accept the selected model MT-Z4J: *");
const QString UsbLatency = QStringLiteral("--usb-latency");

// Behind the USB adapter the line is slower but sound: no exchange may have
// needed a second attempt.
void checkNoRetry(const QStringList& simArgs, const QString& trace) {
    if (!simArgs.contains(UsbLatency))
        return;
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains(" data\n"));
    QVERIFY2(!text.contains("time-out") && !text.contains("garbled"), text.constData());
}

} // namespace

class LinkFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void readUnderFaults_data();
    void readUnderFaults();
    void writeUnderFaults_data();
    void writeUnderFaults();
};

void LinkFaultsTest::readUnderFaults_data() {
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QString>("scope");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("maxSeconds");
    const QString clone = QStringLiteral("--clone-mode");
    const QString all = QStringLiteral("--all"), settings = QStringLiteral("--settings"),
                  memory = QStringLiteral("--memory");
    // Bounds: a command that goes unanswered costs 500 ms an attempt; the
    // clone-mode probe takes 3 attempts, other commands 10.
    QTest::newRow("silent from the start")
        << QStringList{QStringLiteral("--silent-after"), QStringLiteral("0")} << settings
        << QStringList{ReadFailed} << 8;
    QTest::newRow("silent mid-transfer")
        << QStringList{clone, QStringLiteral("--silent-after"), QStringLiteral("40")} << memory
        << QStringList{CommError, ReadFailed} << 7;
    QTest::newRow("every 97th command lost")
        << QStringList{clone, QStringLiteral("--drop-every"), QStringLiteral("97")} << all
        << QStringList{Success} << 11;
    QTest::newRow("every 5th reply garbled")
        << QStringList{clone, QStringLiteral("--garble-every"), QStringLiteral("5")} << all
        << QStringList{Success} << 4;
    QTest::newRow("answers after 450 ms")
        << QStringList{clone, QStringLiteral("--delay-ms"), QStringLiteral("450")} << settings
        << QStringList{Success} << 10;
    QTest::newRow("answers after 550 ms")
        << QStringList{clone, QStringLiteral("--delay-ms"), QStringLiteral("550")} << settings
        << QStringList{Success} << 12;
    QTest::newRow("receiver vanishes mid-transfer")
        << QStringList{clone, QStringLiteral("--vanish-after"), QStringLiteral("100")} << all
        << QStringList{PortError, ReadFailed, PortGone} << 3;
    QTest::newRow("wrong model") << QStringList{QStringLiteral("--model"),
                                                QStringLiteral("MT-Z40E")}
                                 << all << QStringList{RegionError, ModelRefused} << 3;
    QTest::newRow("behind a USB adapter of 16 ms")
        << QStringList{clone, UsbLatency, QStringLiteral("16")} << all << QStringList{Success}
        << 40;
}

void LinkFaultsTest::readUnderFaults() {
    QFETCH(QStringList, simArgs);
    QFETCH(QString, scope);
    QFETCH(QStringList, messages);
    QFETCH(int, maxSeconds);

    SimRunner sim;
    const QString source = sim.path(QStringLiteral("source.MZ4"));
    const auto expected = writeRandomFile(source, 4242);
    QVERIFY(expected);
    QVERIFY(sim.start(simArgs << QStringLiteral("--image") << source));
    const QString out = sim.path(QStringLiteral("out.MZ4"));
    const QString trace = sim.path(QStringLiteral("trace.txt"));
    const CtlRun run = runCtl({QStringLiteral("--trace"), trace, QStringLiteral("read"), scope,
                               QStringLiteral("--device"), sim.device(), QStringLiteral("--model"),
                               QStringLiteral("MT-Z4J"), QStringLiteral("-o"), out});
    checkNoRetry(simArgs, trace);
    const QStringList lines = run.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(linesMatch(lines, messages), qPrintable(run.errors));
    QVERIFY2(run.elapsedMs <= test::TimeBoundMs(maxSeconds * 1000),
             qPrintable(QString::number(run.elapsedMs)));

    const bool success = messages == QStringList{Success};
    QCOMPARE(run.exitCode, success ? 0 : 1);
    if (!success) {
        QVERIFY(!QFile::exists(out)); // no partial output
        return;
    }
    const auto got = loadFile(out);
    QVERIFY(got);
    const Part part = scope == QLatin1String("--settings") ? Part::Settings
                      : scope == QLatin1String("--memory") ? Part::Memory
                                                           : Part::All;
    const QString difference = travelledDifference(*expected, *got, part);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void LinkFaultsTest::writeUnderFaults_data() {
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QString>("scope");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("maxSeconds");
    // Which received commands the receiver carried out: the first `answered`
    // (-1: all) but every `dropEvery`-th.
    QTest::addColumn<int>("answered");
    QTest::addColumn<int>("dropEvery");
    const QString clone = QStringLiteral("--clone-mode");
    const QString all = QStringLiteral("--all"), settings = QStringLiteral("--settings");
    QTest::newRow("silent from the start")
        << QStringList{QStringLiteral("--silent-after"), QStringLiteral("0")} << all
        << QStringList{WriteFailed} << 8 << 0 << 0;
    QTest::newRow("silent mid-transfer")
        << QStringList{QStringLiteral("--silent-after"), QStringLiteral("200")} << all
        << QStringList{CommError, WriteFailed} << 7 << 200 << 0;
    QTest::newRow("every 97th command lost")
        << QStringList{QStringLiteral("--drop-every"), QStringLiteral("97")} << all
        << QStringList{Success} << 9 << -1 << 97;
    QTest::newRow("every 5th reply garbled")
        << QStringList{QStringLiteral("--garble-every"), QStringLiteral("5")} << all
        << QStringList{Success} << 4 << -1 << 0;
    QTest::newRow("answers after 450 ms")
        << QStringList{clone, QStringLiteral("--delay-ms"), QStringLiteral("450")} << settings
        << QStringList{Success} << 10 << -1 << 0;
    QTest::newRow("answers after 550 ms")
        << QStringList{clone, QStringLiteral("--delay-ms"), QStringLiteral("550")} << settings
        << QStringList{Success} << 12 << -1 << 0;
    QTest::newRow("receiver vanishes mid-transfer")
        << QStringList{QStringLiteral("--vanish-after"), QStringLiteral("200")} << all
        << QStringList{PortError, WriteFailed, PortGone} << 4 << 200 << 0;
    QTest::newRow("wrong model") << QStringList{QStringLiteral("--model"),
                                                QStringLiteral("MT-Z40E")}
                                 << all << QStringList{RegionError, ModelRefused} << 4 << -1 << 0;
    QTest::newRow("behind a USB adapter of 16 ms")
        << QStringList{clone, UsbLatency, QStringLiteral("16")} << all << QStringList{Success} << 40
        << -1 << 0;
}

void LinkFaultsTest::writeUnderFaults() {
    QFETCH(QStringList, simArgs);
    QFETCH(QString, scope);
    QFETCH(QStringList, messages);
    QFETCH(int, maxSeconds);
    QFETCH(int, answered);
    QFETCH(int, dropEvery);

    SimRunner sim;
    const QString source = sim.path(QStringLiteral("source.MZ4"));
    const auto data = writeRandomFile(source, 4343);
    QVERIFY(data);
    const QString dump = sim.path(QStringLiteral("receiver.MZ4"));
    QVERIFY(sim.start(simArgs << QStringLiteral("--dump") << dump));
    const QString trace = sim.path(QStringLiteral("trace.txt"));
    const CtlRun run = runCtl({QStringLiteral("--trace"), trace, QStringLiteral("write"), scope,
                               QStringLiteral("--device"), sim.device(), QStringLiteral("--model"),
                               QStringLiteral("MT-Z4J"), source});
    checkNoRetry(simArgs, trace);
    const QStringList lines = run.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(linesMatch(lines, messages), qPrintable(run.errors));
    QVERIFY2(run.elapsedMs <= test::TimeBoundMs(maxSeconds * 1000),
             qPrintable(QString::number(run.elapsedMs)));
    const bool success = messages == QStringList{Success};
    QCOMPARE(run.exitCode, success ? 0 : 1);
    if (!sim.waitForExit(100))
        QVERIFY(sim.stop()); // writes the dump

    // The receiver holds exactly what the commands it carried out wrote.
    const QStringList received = sim.commands();
    QStringList carriedOut;
    for (qsizetype i = 0; i < received.size(); ++i) {
        const qsizetype n = i + 1;
        if ((answered < 0 || n <= answered) && (dropEvery == 0 || n % dropEvery != 0))
            carriedOut << received[i];
    }
    const bool cloneMode = simArgs.contains(QStringLiteral("--clone-mode"));
    const char* model = simArgs.contains(QStringLiteral("MT-Z40E")) ? "MT-Z40E" : "MT-Z4J";
    QCOMPARE(fileBytes(dump), receiverAfter(carriedOut, cloneMode, model));
    // Mid-transfer, after the first command left unanswered, the tool only
    // tried that command again.
    if (answered > 0 && answered < received.size())
        for (qsizetype i = answered; i < received.size(); ++i)
            QCOMPARE(received[i], received[answered]);
    if (success) {
        const auto held = loadFile(dump);
        QVERIFY(held);
        const QString difference = travelledDifference(
            *data, *held, scope == QLatin1String("--settings") ? Part::Settings : Part::All);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

QTEST_GUILESS_MAIN(LinkFaultsTest)
#include "LinkFaults_test.moc"
