// The system serial port and the event-driven wait, in real time, against a
// small scripted receiver on the master side of a pseudo-terminal.
#include "link/Exchange.h"
#include "link/Link.h"
#include "support/ScriptedPrompter.h"
#include "support/TimeBounds.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

using namespace mtz4;
using namespace mtz4::test;

namespace {

const QByteArray Digits = "2A" + QByteArray(62, '0');

// Processor time used by this process so far, in milliseconds.
qint64 cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

// The receiver end of a pseudo-terminal: answers each command (up to its CR)
// with its echo and a data block or "OK", unless told to keep silent.
class PtyReceiver {
public:
    PtyReceiver() {
        char name[128] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
            return;
        termios raw{};
        tcgetattr(master_, &raw);
        cfmakeraw(&raw);
        tcsetattr(master_, TCSANOW, &raw);
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        slavePath = QString::fromLocal8Bit(name);
        notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { receive(); });
    }
    ~PtyReceiver() {
        notifier_.reset();
        if (master_ >= 0)
            ::close(master_);
        if (slave_ >= 0)
            ::close(slave_);
    }
    bool ok() const { return master_ >= 0; }
    void send(const QByteArray& bytes) {
        QCOMPARE(::write(master_, bytes.data(), bytes.size()), bytes.size());
    }

    QString slavePath;
    bool silent = false;
    QList<QByteArray> commands;

private:
    void receive() {
        char buffer[256];
        ssize_t n;
        while ((n = ::read(master_, buffer, sizeof buffer)) > 0)
            pending_.append(buffer, n);
        qsizetype end;
        while ((end = pending_.indexOf('\r')) >= 0) {
            const QByteArray command = pending_.left(end);
            pending_.remove(0, end + 1);
            commands.append(command);
            if (silent)
                continue;
            const QByteArray body = command.endsWith('R') ? Digits : QByteArray("OK");
            send(command + "\r\r\n" + body + "\r\n");
        }
    }

    int master_ = -1;
    int slave_ = -1; // kept open so that the master never sees a hang-up
    std::unique_ptr<QSocketNotifier> notifier_;
    QByteArray pending_;
};

} // namespace

class SerialPtyTest : public QObject {
    Q_OBJECT

private slots:
    void completeReplyEndsTheWaitEarly();
    void silenceEndsAfterTheTimeOutWithoutBurningTheProcessor();
    void portNumberOverrideAndMissingDevice();
};

void SerialPtyTest::completeReplyEndsTheWaitEarly() {
    PtyReceiver receiver;
    QVERIFY(receiver.ok());
    QTemporaryDir dir;
    const QString alias = dir.filePath(QStringLiteral("receiver"));
    QVERIFY(QFile::link(receiver.slavePath, alias));

    ScriptedPrompter prompter;
    Link link(prompter);
    link.setDevicePath(alias);
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    QString error;
    QVERIFY(link.startTrace(trace, error));
    QElapsedTimer elapsed;
    elapsed.start();
    const QString reply = link.SendQZData(QStringLiteral("QZ~F00022R"));
    QCOMPARE(reply, QStringLiteral("\r\n") + QString::fromLatin1(Digits) + QStringLiteral("\r\n"));
    QCOMPARE(link.SendQZAck(QStringLiteral("QZ~IM")), AckCode::AckOk);
    QVERIFY2(elapsed.elapsed() < test::TimeBoundMs(300),
             qPrintable(QString::number(elapsed.elapsed())));
    QCOMPARE(receiver.commands, (QList<QByteArray>{"QZ~F00022R", "QZ~IM"}));
    QVERIFY(link.isOpen());

    // Opening asked for low latency, which a pseudo-terminal refuses; the
    // port works regardless, and the trace says so.
    QVERIFY(link.finishTrace(error));
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY(lines.size() > 2);
    QVERIFY2(
        lines[1].mid(13).startsWith("* opened " + alias.toLocal8Bit() + "; low latency refused ("),
        lines[1].constData());
    QVERIFY(lines[2].mid(13).startsWith("> \"QZ~F00022R\\r\""));
    link.close();
    QVERIFY(!link.isOpen());
}

void SerialPtyTest::silenceEndsAfterTheTimeOutWithoutBurningTheProcessor() {
    PtyReceiver receiver;
    QVERIFY(receiver.ok());
    ScriptedPrompter prompter;
    Link link(prompter);
    link.setDevicePath(receiver.slavePath);
    QCOMPARE(link.SendQZAck(QStringLiteral("QZ~IM")), AckCode::AckOk); // opens the port

    // A complete block left over from earlier must not count as the reply.
    receiver.silent = true;
    receiver.send("\r\n" + Digits + "\r\n");
    QTest::qWait(50);

    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
    other.start(20);
    QElapsedTimer elapsed;
    elapsed.start();
    const qint64 cpuBefore = cpuMs();
    QCOMPARE(link.SendQZData(QStringLiteral("QZ~F00022R")), ReplyTooShort);
    const qint64 waited = elapsed.elapsed();
    const qint64 cpu = cpuMs() - cpuBefore;
    QVERIFY2(waited >= 490 && waited < test::TimeBoundMs(1500),
             qPrintable(QString::number(waited)));
    QVERIFY2(cpu < test::TimeBoundMs(200),
             qPrintable(QString::number(cpu)));                // a busy loop would use ~500
    QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks))); // the event loop kept running
}

void SerialPtyTest::portNumberOverrideAndMissingDevice() {
    PtyReceiver receiver;
    QVERIFY(receiver.ok());
    qputenv("MTZ4_COM5", receiver.slavePath.toLocal8Bit());
    qputenv("MTZ4_COM6", "/nonexistent/ttyMTZ4");
    ScriptedPrompter prompter;
    Link link(prompter);
    QVERIFY(link.setPortNumber(5));
    QCOMPARE(link.SendQZAck(QStringLiteral("QZ~FINISH")), AckCode::AckOk);

    QVERIFY(link.setPortNumber(6));
    QVERIFY(!link.isOpen());
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(link.SendQZData(QStringLiteral("QZ~F00022R")), ReplyPortError);
    QCOMPARE(link.SendQZAck(QStringLiteral("QZ~IM")), AckCode::AckPortError);
    QVERIFY(elapsed.elapsed() < test::TimeBoundMs(100));
    QVERIFY2(link.lastPortError().startsWith(QLatin1String("no such device /nonexistent/ttyMTZ4")),
             qPrintable(link.lastPortError()));

    // A port another link holds is busy.
    QVERIFY(link.setPortNumber(5));
    QCOMPARE(link.SendQZAck(QStringLiteral("QZ~FINISH")), AckCode::AckOk);
    Link second(prompter);
    QVERIFY(second.setPortNumber(5));
    QCOMPARE(second.SendQZAck(QStringLiteral("QZ~FINISH")), AckCode::AckPortError);
    // In plain words, with the likeliest holder named.
    QCOMPARE(second.lastPortError(),
             receiver.slavePath +
                 QStringLiteral(" is busy: another program is using it (an open mtz4clone window "
                                "keeps its port until it closes or COM Port Setup's OK is "
                                "pressed)"));
    qunsetenv("MTZ4_COM5");
    qunsetenv("MTZ4_COM6");
}

QTEST_GUILESS_MAIN(SerialPtyTest)
#include "SerialPty_test.moc"
