#pragma once

// Header only: the paths of the built programs come from MTZ4_BINARY_DIR,
// which only the test executables define.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace mtz4::test {

inline QString simulatorPath() {
    return QStringLiteral(MTZ4_BINARY_DIR "/tools/sim/mtz4sim");
}

inline QString ctlPath() {
    return QStringLiteral(MTZ4_BINARY_DIR "/src/mtz4ctl");
}

// One mtz4sim on its pseudo-terminal for end-to-end tests, logging every
// command it receives. Stopped (and waited for) when destroyed.
class SimRunner {
public:
    SimRunner() = default;
    ~SimRunner() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    SimRunner(const SimRunner&) = delete;
    SimRunner& operator=(const SimRunner&) = delete;

    // Starts the simulator with `args` (besides --log and --quiet); true once
    // it has printed its device.
    bool start(const QStringList& args = {}) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(simulatorPath(),
                       QStringList{QStringLiteral("--quiet"), QStringLiteral("--log"), logPath()} +
                           args);
        if (!process_.waitForStarted(5000))
            return false;
        QElapsedTimer timer;
        timer.start();
        while (!process_.canReadLine() && process_.state() == QProcess::Running &&
               timer.elapsed() < 5000)
            process_.waitForReadyRead(100);
        device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
        return !device_.isEmpty();
    }

    QString device() const { return device_; }
    qint64 processId() const { return process_.processId(); }
    // Waits for it to end by itself (after --vanish-after, say); true when it did.
    bool waitForExit(int timeoutMs = 5000) { return process_.waitForFinished(timeoutMs); }

    // Stops it (SIGTERM) and waits; true when it ended with status 0.
    bool stop() {
        process_.terminate();
        return process_.waitForFinished(5000) && process_.exitStatus() == QProcess::NormalExit &&
               process_.exitCode() == 0;
    }

    // The commands received so far, one per line, without their CR.
    QStringList commands() const {
        QFile log(logPath());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // A file path in a temporary directory that lives as long as this runner.
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QString logPath() const { return path(QStringLiteral("commands.log")); }

    QTemporaryDir dir_;
    QProcess process_;
    QString device_;
};

// One run of mtz4ctl.
struct CtlRun {
    int exitCode = -1;
    QString errors;       // standard error
    QString output;       // standard output
    qint64 elapsedMs = 0; // from start to end
};

inline CtlRun runCtl(const QStringList& args, int timeoutMs = 60000) {
    QProcess ctl;
    QElapsedTimer clock;
    clock.start();
    ctl.start(ctlPath(), args);
    CtlRun run;
    if (!ctl.waitForFinished(timeoutMs)) {
        ctl.kill();
        ctl.waitForFinished(5000);
        run.errors = QStringLiteral("mtz4ctl did not finish in time");
        return run;
    }
    run.elapsedMs = clock.elapsed();
    run.exitCode = ctl.exitStatus() == QProcess::NormalExit ? ctl.exitCode() : -1;
    run.errors = QString::fromLocal8Bit(ctl.readAllStandardError());
    run.output = QString::fromLocal8Bit(ctl.readAllStandardOutput());
    return run;
}

} // namespace mtz4::test
