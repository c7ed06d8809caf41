#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

namespace mtz4 {

// The status bar's account of a clone command: what is going on while it
// runs ("Reading memory entries: 412 of 1300, about 19 s left") and, at the
// end, what ended it and how long it took.
class TransferStatus {
public:
    // A command starts: `name` is what the user chose ("Read ALL"),
    // `reading` tells whether it reads or writes, `port` names the port or
    // device it uses ("COM 1 (/dev/ttyUSB0)"), which every text then names.
    void begin(const QString& name, bool reading, const QString& port = {});
    // The text while the memory entries go: `done` of `total`, with the time
    // left estimated from the pace so far.
    QString progress(int done, int total);
    // The text at the end: success, or the messages the command showed and,
    // when a port failure ended it, `portProblem` (what was wrong with the
    // port, in plain words), or that it was cancelled; and the time it took.
    QString end(bool succeeded, bool cancelled, const QStringList& messages,
                const QString& portProblem = {}) const;
    // What the command is doing before its entry loop.
    QString started() const;

private:
    // " on COM 1 (/dev/ttyUSB0)"; empty when no port was named.
    QString onPort() const;

    QString name_;
    QString port_;
    bool reading_ = true;
    QElapsedTimer command_;
    QElapsedTimer entries_;
    int firstDone_ = -1;
};

} // namespace mtz4
