#pragma once

#include <QString>

class QSerialPort;

namespace mtz4 {

// A USB serial adapter holds a short reply until its latency timer runs
// out (16 ms on the most common chips), which costs more than the line time
// on every exchange. Where the platform offers it, the program asks for
// low-latency delivery when it opens a port: on Linux the serial driver's
// low-latency flag, which the common USB adapter drivers turn into a 1 ms
// latency timer. A port that refuses (a pseudo-terminal, a built-in UART
// without the flag) is used as it is.
enum class LowLatency {
    NotAsked,   // the port has not been opened
    Granted,    // the flag is set now
    Refused,    // the port said no
    NotOffered, // this platform has no such request
};

struct LowLatencyOutcome {
    LowLatency state = LowLatency::NotAsked;
    QString why; // Refused: the system's reason

    // For the traffic trace: "low latency granted", "low latency refused
    // (Inappropriate ioctl for device)", "low latency not offered on this
    // system".
    QString text() const;
};

// Asks for low-latency delivery on an open port.
LowLatencyOutcome RequestLowLatency(QSerialPort& port);

} // namespace mtz4
