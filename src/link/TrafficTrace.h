#pragma once

#include "files/CheckedFileWriter.h"

#include <QByteArrayView>
#include <QString>
#include <memory>

namespace mtz4 {

// A record of the serial traffic for diagnosing a receiver that will not
// clone: one line per command sent and per reply received, each with the
// time of day to the millisecond, the direction ('>' to the receiver, '<'
// from it) and, on reply lines, the exchange's outcome. Bytes are written
// between double quotes with CR, LF, tab, quote and backslash as C escapes
// and every other non-printing byte as \xHH.
//
// The trace is written as every file is (CheckedFileWriter): into a file
// beside `path`, named after it with a random ending ("trace.txt.AbC123"),
// which replaces the file at `path` when the trace ends. Each line goes to
// the system at once, so after a crash that file holds every line up to
// it. A line that cannot be written stops the trace: its file is removed,
// the one at `path` stays as it was, and finish() says why.
//
//   07:31:02.123 > "QZ~F0022R\r"
//   07:31:02.154 < "QZ~F0022R\r\r\n2A00...00\r\n" data
//   07:31:02.660 < "" time-out
//   07:31:02.100 * opened /dev/ttyUSB0; low latency granted
class TrafficTrace {
public:
    // Keeps the trace (finish()) unless that was done.
    ~TrafficTrace();

    // Starts the trace for `path`. False, with the reason in `error`, when
    // it cannot be written.
    bool open(const QString& path, QString& error);
    bool isOpen() const { return file_ && file_->isOpen(); }
    // Ends the trace: its file replaces the one at `path`. False, with the
    // reason in `error`, when a line or the file could not be written; the
    // file at `path` is then as it was.
    bool finish(QString& error);

    // A command as written, its CR included.
    void sent(QByteArrayView command);
    // A reply and what the exchange made of it ("data", "time-out", ...).
    // `total` counts every character received; when it is more than the
    // `reply` kept, the line says so.
    void received(QByteArrayView reply, qint64 total, const QString& outcome);
    // A command that never reached the line, and why.
    void notSent(QByteArrayView command, const QString& why);
    // The port was opened on `device`; `note` tells more (whether low
    // latency was granted).
    void opened(const QString& device, const QString& note);

    // `bytes` quoted and escaped as on a trace line.
    static QString escaped(QByteArrayView bytes);

private:
    void line(char direction, const QString& text);

    std::unique_ptr<CheckedFileWriter> file_;
    QString failure_; // why the trace stopped early
};

} // namespace mtz4
