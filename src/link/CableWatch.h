#pragma once

#include "link/SerialPortList.h"

#include <QSet>
#include <optional>

namespace mtz4 {

// Finds the receiver's cable by watching the system's list of serial ports
// while the user unplugs it and plugs it in again: the ports listed at the
// first look are known, a port that goes away is forgotten, and the first
// port that appears after the first look is the cable (its stable name when
// the system gives one, as that stays the same whatever the order cables are
// plugged in).
class CableWatch {
public:
    explicit CableWatch(SerialPortLister lister) : lister_(std::move(lister)) {}

    // Looks at the list again; the cable once it has appeared.
    std::optional<SerialPortEntry> poll();

private:
    SerialPortLister lister_;
    QSet<QString> known_;
    bool looked_ = false;
};

// Why the user may not open `device`, with the cure in plain words
// ("permission denied on /dev/ttyUSB0: add your user to the dialout group
// ..."); empty when he may, or where the system does not say.
QString CablePermissionProblem(const QString& device);

} // namespace mtz4
