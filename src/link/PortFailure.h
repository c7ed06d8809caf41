#pragma once

#include <QString>

namespace mtz4 {

// Why a serial port could not be used, in the terms a user can act on.
enum class PortFailure {
    NoDevice,     // nothing at that device path (cable not plugged in, wrong port)
    NoPermission, // the device exists but this user may not open it
    Busy,         // another program holds the device
    Vanished,     // the device went away while it was open (adapter pulled out)
    LineError,    // reading or writing failed while the device is still there
    Other,        // anything else the system reported
};

// What the system told about a failed open or a failed read or write, as
// the serial port sees it.
struct PortFailureFacts {
    bool whileOpen = false;       // false: opening failed
    bool notFound = false;        // the system said the device does not exist
    bool permissionError = false; // the system refused access or the lock
    bool deviceExists = true;     // the device path exists now
    bool deviceAccessible = true; // this user may read and write it
};

// The kind of failure: a refused open on a device the user may read and
// write means another program holds it.
PortFailure ClassifyPortFailure(const PortFailureFacts& facts);

// One line in plain words for the status bar and the command-line tool,
// naming the device and, where the user can do something, what; `systemText`
// is the system's own message, added where the kind alone says too little.
QString DescribePortFailure(PortFailure failure, const QString& device, const QString& systemText);

} // namespace mtz4
