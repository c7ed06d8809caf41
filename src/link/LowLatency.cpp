#include "link/LowLatency.h"

#include <QSerialPort>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace mtz4 {

QString LowLatencyOutcome::text() const {
    switch (state) {
    case LowLatency::NotAsked:
        break;
    case LowLatency::Granted:
        return QStringLiteral("low latency granted");
    case LowLatency::Refused:
        return QStringLiteral("low latency refused (%1)").arg(why);
    case LowLatency::NotOffered:
        return QStringLiteral("low latency not offered on this system");
    }
    return QStringLiteral("low latency not asked for");
}

LowLatencyOutcome RequestLowLatency(QSerialPort& port) {
#ifdef Q_OS_LINUX
    const int handle = port.handle();
    const auto refused = [] {
        return LowLatencyOutcome{LowLatency::Refused, QString::fromLocal8Bit(std::strerror(errno))};
    };
    serial_struct serial{};
    if (::ioctl(handle, TIOCGSERIAL, &serial) != 0)
        return refused();
    if ((serial.flags & ASYNC_LOW_LATENCY) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        if (::ioctl(handle, TIOCSSERIAL, &serial) != 0)
            return refused();
    }
    return {LowLatency::Granted, {}};
#else
    (void)port;
    return {LowLatency::NotOffered, {}};
#endif
}

} // namespace mtz4
