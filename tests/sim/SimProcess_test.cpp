// The mtz4sim program itself, on its pseudo-terminal, through plain POSIX I/O.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

const QString SimulatorPath = QStringLiteral(MTZ4_BINARY_DIR "/tools/sim/mtz4sim");

QByteArray dataReply(const QByteArray& command, const QByteArray& digits) {
    return command + "\r\r\n" + digits + "\r\n";
}

// One running simulator and a client's file descriptor on its device.
class Simulator {
public:
    ~Simulator() {
        closeDevice();
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    bool start(const QStringList& args) {
        process.start(SimulatorPath, args);
        if (!process.waitForStarted(5000))
            return false;
        QElapsedTimer timer;
        timer.start();
        while (!process.canReadLine() && timer.elapsed() < 5000)
            process.waitForReadyRead(100);
        device = QString::fromUtf8(process.readLine()).trimmed();
        return !device.isEmpty() && openDevice(device);
    }

    bool openDevice(const QString& path) {
        closeDevice();
        fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        return fd >= 0;
    }
    void closeDevice() {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }

    void send(const QByteArray& command) {
        const QByteArray line = command + '\r';
        QCOMPARE(::write(fd, line.constData(), static_cast<size_t>(line.size())),
                 ssize_t(line.size()));
    }

    // Reads until `count` bytes have come or `timeoutMs` has passed.
    QByteArray read(int count, int timeoutMs) {
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (got.size() < count) {
            const qint64 left = timeoutMs - timer.elapsed();
            if (left <= 0)
                break;
            pollfd pfd{fd, POLLIN, 0};
            if (::poll(&pfd, 1, static_cast<int>(left)) <= 0)
                continue;
            char buffer[256];
            const auto want = std::min<qsizetype>(count - got.size(), sizeof buffer);
            const ssize_t n = ::read(fd, buffer, static_cast<size_t>(want));
            if (n > 0)
                got.append(buffer, n);
        }
        return got;
    }

    QByteArray exchange(const QByteArray& command, int expected, int timeoutMs = 2000) {
        send(command);
        return read(expected, timeoutMs);
    }

    // Ends the simulator as a user would; returns its exit code.
    int stop() {
        closeDevice();
        process.terminate();
        if (!process.waitForFinished(5000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QProcess process;
    QString device;
    int fd = -1;
};

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class SimProcessTest : public QObject {
    Q_OBJECT

private slots:
    void helpDocumentsEveryOption() {
        QProcess help;
        help.start(SimulatorPath, {"--help"});
        QVERIFY(help.waitForFinished(5000));
        QCOMPARE(help.exitCode(), 0);
        const QString text = QString::fromUtf8(help.readAllStandardOutput());
        for (const char* option : {"--model", "--image", "--dump", "--dump-raw", "--link", "--log",
                                   "--stats", "--clone-mode", "--start-bank", "--silent-after",
                                   "--drop-every", "--garble-every", "--delay-ms", "--pace",
                                   "--usb-latency", "--refuse-identification", "--quiet", "--help"})
            QVERIFY2(text.contains(QLatin1String(option)), option);

        QProcess bad;
        bad.start(SimulatorPath, {"--model", "MT-X"});
        QVERIFY(bad.waitForFinished(5000));
        QCOMPARE(bad.exitCode(), 2);
        QVERIFY(bad.readAllStandardError().contains("unknown model"));
    }

    void servesTheCloneModeDialogueAcrossReopens() {
        QTemporaryDir dir;
        const QString link = dir.filePath("receiver");
        const QString log = dir.filePath("commands.log");
        Simulator sim;
        QVERIFY(sim.start(
            {"--model", "MT-Z40E", "--start-bank", "13", "--link", link, "--log", log, "--quiet"}));
        QVERIFY(sim.device.startsWith("/dev/"));
        QCOMPARE(QFileInfo(link).symLinkTarget(), sim.device);
        QVERIFY(sim.openDevice(link));

        // Not in clone mode: the probe is echoed but not answered.
        QCOMPARE(sim.exchange("QZ~F00022R", 100, 200), QByteArray("QZ~F00022R\r"));
        QCOMPARE(sim.exchange("QZ~MT-Z4J", 16), QByteArray("QZ~MT-Z4J\r\r\nRE\r\n"));
        QCOMPARE(sim.exchange("QZ~MT-Z40E", 17), QByteArray("QZ~MT-Z40E\r\r\nOK\r\n"));
        QCOMPARE(sim.exchange("QZ~F0FD01W00", 19), QByteArray("QZ~F0FD01W00\r\r\nOK\r\n"));
        QCOMPARE(sim.exchange("QZ~F00022R", 79),
                 dataReply("QZ~F00022R", "0D" + QByteArray(62, '0')));

        // The client closes the port and opens it again, twice.
        for (int round = 0; round < 2; ++round) {
            sim.closeDevice();
            QVERIFY(sim.openDevice(sim.device));
            QCOMPARE(sim.exchange("QZ~IM", 12), QByteArray("QZ~IM\r\r\nOK\r\n"));
        }
        QCOMPARE(sim.exchange("QZ~FINISH", 16), QByteArray("QZ~FINISH\r\r\nOK\r\n"));
        QCOMPARE(sim.read(1, 100), QByteArray());

        QCOMPARE(sim.stop(), 0);
        QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
        QCOMPARE(readLines(log),
                 (QStringList{"QZ~F00022R", "QZ~MT-Z4J", "QZ~MT-Z40E", "QZ~F0FD01W00", "QZ~F00022R",
                              "QZ~IM", "QZ~IM", "QZ~FINISH"}));
        QVERIFY(sim.process.readAllStandardError().isEmpty()); // --quiet
    }

    void faultsOnTheLine() {
        QTemporaryDir dir;
        const QString log = dir.filePath("log");
        Simulator sim;
        QVERIFY(sim.start({"--clone-mode", "--drop-every", "3", "--garble-every", "2",
                           "--silent-after", "4", "--log", log}));
        QCOMPARE(sim.exchange("QZ~F00100W01", 19), QByteArray("QZ~F00100W01\r\r\nOK\r\n"));
        QCOMPARE(sim.exchange("QZ~F00100W02", 19), QByteArray("QZ~F00100W02\r??OK\r\n"));
        // Dropped: not answered and not carried out.
        QCOMPARE(sim.exchange("QZ~F00100W03", 100, 200), QByteArray());
        QCOMPARE(sim.exchange("QZ~F00100R", 79).mid(13, 2), QByteArray("02"));
        // Silent from the fifth command on.
        QCOMPARE(sim.exchange("QZ~F00100R", 100, 200), QByteArray());
        QCOMPARE(sim.exchange("QZ~IM", 100, 200), QByteArray());
        QCOMPARE(sim.stop(), 0);
        QCOMPARE(readLines(log).size(), 6);
    }

    void delayedReplies() {
        Simulator sim;
        QVERIFY(sim.start({"--clone-mode", "--delay-ms", "150", "--quiet"}));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(sim.exchange("QZ~IM", 1), QByteArray("Q"));
        QVERIFY2(timer.elapsed() >= 149, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(sim.read(11, 1000), QByteArray("Z~IM\r\r\nOK\r\n"));
        QCOMPARE(sim.stop(), 0);
    }

    void pacingAtTheLineRate() {
        QTemporaryDir dir;
        const QString stats = dir.filePath("stats.json");
        Simulator sim;
        QVERIFY(sim.start({"--clone-mode", "--pace", "--stats", stats}));

        // The 11-character command takes 2.9 ms to cross the line; only then
        // is it answered. The 79-byte reply takes 79 x 260.4 us = 20.6 ms,
        // spread over that time rather than sent at once at the end.
        QElapsedTimer timer;
        timer.start();
        sim.send("QZ~F00000R");
        const QByteArray first = sim.read(1, 1000);
        const qint64 firstAt = timer.nsecsElapsed();
        const QByteArray rest = sim.read(78, 1000);
        const qint64 lastAt = timer.nsecsElapsed();
        QCOMPARE(first + rest, dataReply("QZ~F00000R", QByteArray(64, '0')));
        // Only the lower bounds are the line's: how much later the bytes come
        // depends on the load of the machine (speed is the benchmark's).
        QVERIFY2(firstAt >= 3120000, qPrintable(QString::number(firstAt)));
        QVERIFY2(lastAt >= 23400000, qPrintable(QString::number(lastAt)));

        // Back-to-back exchanges cost at least the line time of both directions.
        timer.restart();
        for (int i = 0; i < 10; ++i)
            QCOMPARE(sim.exchange("QZ~IM", 12).size(), 12);
        const double nominal = 10 * (6 + 12) * 10.0 / 38400;
        const double taken = timer.nsecsElapsed() / 1e9;
        QVERIFY2(taken >= nominal * 0.98, qPrintable(QString::number(taken)));

        QCOMPARE(sim.stop(), 0);
        const QByteArray err = sim.process.readAllStandardError();
        QVERIFY2(err.contains("paced bytes: 199, paced time: 0.0518"), err.constData());
        QFile file(stats);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray json = file.readAll();
        QVERIFY2(json.contains("\"paced_bytes\": 199,"), json.constData());
        QVERIFY2(json.contains("\"commands\": 11,"), json.constData());
        QVERIFY2(json.contains("\"received_bytes\": 71,"), json.constData());
        QVERIFY2(json.contains("\"line_time_s\": 0.070312,"), json.constData());
        QVERIFY2(json.contains("\"turnarounds\": 10,"), json.constData());
    }

    void loadsAndDumpsItsImage() {
        QTemporaryDir dir;
        const QString dump = dir.filePath("out.MZ4");
        const QString raw = dir.filePath("out.bin");
        // Start from the dump of a first run, with one record changed.
        {
            Simulator first;
            QVERIFY(first.start({"--clone-mode", "--dump", dump, "--quiet"}));
            QCOMPARE(first.stop(), 0);
        }
        QStringList lines = QString::fromLatin1([&] {
                                QFile f(dump);
                                f.open(QIODevice::ReadOnly);
                                return f.readAll();
                            }())
                                .split("\r\n");
        QCOMPARE(lines.size(), 2644); // 2643 lines, each ending in CR LF
        lines[17] = QString(64, 'A');
        const QString image = dir.filePath("in.MZ4");
        QFile in(image);
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write(lines.join("\r\n").toLatin1());
        in.close();

        Simulator sim;
        QVERIFY(sim.start({"--image", image, "--dump", dump, "--dump-raw", raw, "--quiet"}));
        QFile::remove(dump);
        QCOMPARE(sim.exchange("QZ~MT-Z4J", 16).right(4), QByteArray("OK\r\n"));
        QCOMPARE(sim.exchange("QZ~F0FD01W00", 19).right(4), QByteArray("OK\r\n"));
        QCOMPARE(sim.exchange("QZ~F00A00R", 79).mid(13, 64), QByteArray(64, 'A'));
        const QByteArray record(64, 'C');
        QCOMPARE(sim.exchange("QZ~BC00001W" + record, 82).right(4), QByteArray("OK\r\n"));
        QCOMPARE(sim.exchange("QZ~FINISH", 16).right(4), QByteArray("OK\r\n"));
        // The dump is written on "QZ~FINISH", before the simulator ends.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(dump), 2000);
        QStringList dumped = readLines(dump);
        QCOMPARE(dumped.size(), 2643);
        QCOMPARE(dumped[18].trimmed(), QString(record));
        QCOMPARE(sim.stop(), 0);
        QCOMPARE(QFileInfo(raw).size(), qint64(65536));
    }

    void aBadImageIsRefused() {
        QTemporaryDir dir;
        const QString image = dir.filePath("bad.MZ4");
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Orlenk  MT-Z4  Clone  File Start\r\n0000\r\n");
        file.close();
        QProcess sim;
        sim.start(SimulatorPath, {"--image", image});
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitCode(), 1);
        QVERIFY(sim.readAllStandardOutput().isEmpty());
        const QByteArray err = sim.readAllStandardError();
        QVERIFY2(err.contains("bad.MZ4") && err.contains("ends after 2 lines"), err.constData());
    }
};

QTEST_GUILESS_MAIN(SimProcessTest)
#include "SimProcess_test.moc"
