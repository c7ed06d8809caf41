// Soak: 50 cycles of a random data set (fixed seeds) saved and loaded, then
// written into mtz4sim with mtz4ctl and read back. Save and load keep every
// table; the transfer keeps every field that travels to the receiver; and
// neither the long-running simulator nor a run of the tool grows in memory
// from cycle to cycle.
#include "FaultSupport.h"
#include "support/SimRunner.h"

#include <QTest>

#include <sys/resource.h>

using namespace mtz4;
using namespace mtz4::test;

namespace {

constexpr int Cycles = 50;
// Growth allowed between the first and the last cycle.
constexpr qint64 SimulatorGrowthKiB = 2048;
constexpr qint64 ToolGrowthKiB = 4096;

// Under AddressSanitizer freed memory waits in a quarantine of up to 256 MiB,
// so resident memory says nothing about growth there: only reported then.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool MemoryTellsGrowth = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool MemoryTellsGrowth = false;
#else
constexpr bool MemoryTellsGrowth = true;
#endif
#else
constexpr bool MemoryTellsGrowth = true;
#endif

// Resident memory of a process, from /proc (KiB; 0 when unknown).
qint64 residentKiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// The largest resident memory of any finished child (the tool's runs), KiB.
qint64 largestChildKiB() {
    struct rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

// The first table that differs between two data sets; empty when none.
QString tableDifference(const DataSet& a, const DataSet& b) {
    if (a.MemData != b.MemData || a.MemText != b.MemText || a.MemEnable != b.MemEnable)
        return QStringLiteral("memory entries");
    if (a.VfoData != b.VfoData || a.VfoText != b.VfoText)
        return QStringLiteral("VFO records");
    if (a.BankSize != b.BankSize || a.BankText != b.BankText || !(a.bank == b.bank))
        return QStringLiteral("banks");
    if (a.GroupFlag != b.GroupFlag)
        return QStringLiteral("groups");
    if (!(a.settings == b.settings))
        return QStringLiteral("settings");
    return {};
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void writeThenReadFiftyRandomDataSets() {
        SimRunner sim;
        QVERIFY(sim.start());
        const QString file = sim.path(QStringLiteral("cycle.MZ4"));
        const QString back = sim.path(QStringLiteral("back.MZ4"));
        const QStringList device{QStringLiteral("--device"), sim.device(),
                                 QStringLiteral("--model"), QStringLiteral("MT-Z4J")};
        qint64 simulatorAfterFirst = 0, toolAfterFirst = 0;

        for (int cycle = 0; cycle < Cycles; ++cycle) {
            QRandomGenerator rng(9000 + cycle);
            auto ds = std::make_unique<DataSet>();
            FillRandomDataSet(*ds, rng, Model::MTZ4J);
            ds->settings.optLamp = rng.bounded(4);
            ds->settings.chkBeep = rng.bounded(2);
            ds->settings.Slider1 = rng.bounded(31);
            ds->settings.Slider2 = rng.bounded(10);

            // Save and load keep every table the file carries.
            QCOMPARE(SaveCloneFile(*ds, file), CloneFileStatus::Ok);
            const auto loaded = loadFile(file);
            QVERIFY(loaded);
            const QString changed = tableDifference(*ds, *loaded);
            QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("cycle %1: %2 changed by save "
                                                                  "and load")
                                                       .arg(cycle)
                                                       .arg(changed)));

            const CtlRun write = runCtl(QStringList{QStringLiteral("write")} + device << file);
            QVERIFY2(write.exitCode == 0, qPrintable(write.errors));
            const CtlRun read = runCtl(QStringList{QStringLiteral("read")} + device
                                       << QStringLiteral("-o") << back);
            QVERIFY2(read.exitCode == 0, qPrintable(read.errors));
            const auto got = loadFile(back);
            QVERIFY(got);
            const QString difference = travelledDifference(*loaded, *got, Part::All);
            QVERIFY2(difference.isEmpty(),
                     qPrintable(QStringLiteral("cycle %1: %2").arg(cycle).arg(difference)));

            if (cycle == 0) {
                simulatorAfterFirst = residentKiB(sim.processId());
                toolAfterFirst = largestChildKiB();
            }
        }
        const qint64 simulatorGrowth = residentKiB(sim.processId()) - simulatorAfterFirst;
        const qint64 toolGrowth = largestChildKiB() - toolAfterFirst;
        qInfo("memory growth over %d cycles: simulator %lld KiB, tool %lld KiB", Cycles,
              simulatorGrowth, toolGrowth);
        QVERIFY(simulatorAfterFirst > 0);
        if (!MemoryTellsGrowth) {
            qInfo("AddressSanitizer build: memory growth not checked");
            QVERIFY(sim.stop());
            return;
        }
        QVERIFY2(simulatorGrowth <= SimulatorGrowthKiB,
                 qPrintable(QString::number(simulatorGrowth)));
        QVERIFY2(toolGrowth <= ToolGrowthKiB, qPrintable(QString::number(toolGrowth)));
        QVERIFY(sim.stop());
    }
};

QTEST_GUILESS_MAIN(SoakTest)
#include "Soak_test.moc"
