#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace mtz4 {

// A serial port the system offers, as COM Port Setup and "mtz4ctl ports"
// list it: the device to open and what is known about the hardware.
struct SerialPortEntry {
    QString device;       // what to open: "/dev/ttyACM0", "/dev/serial/by-id/usb-...", "COM3"
    QString description;  // the system's description ("FT232R USB UART"); empty when unknown
    QString manufacturer; // the maker, as the device reports it
    QString serialNumber;
    int vendorId = -1;   // USB vendor and product identifiers; -1 when unknown
    int productId = -1;  // (no USB device)
    QString aliasOf;     // a stable name: the device it stands for now ("/dev/ttyUSB0")
    bool present = true; // false: remembered as the user's choice, but not there now
};

// Lists the serial ports; the system's unless a test gives a list of its own.
using SerialPortLister = std::function<QList<SerialPortEntry>()>;

// Every serial port of this system: on Linux the ttyS, ttyUSB and ttyACM
// devices and their stable names in /dev/serial/by-id, on Windows COMn, on
// macOS the cu.* devices.
QList<SerialPortEntry> SystemSerialPorts();

// "0403:6001" (vendor:product, four hex digits each), or empty when unknown.
QString UsbId(const SerialPortEntry& port);

// What is known about a port on one line, for example
// "FT232R USB UART, FTDI, USB 0403:6001, serial A50285BI"; a stable name
// begins with the device it stands for ("ttyUSB0: ...").
QString PortDetails(const SerialPortEntry& port);

// The ports to offer the user: those found, devices in natural order
// ("ttyS2" before "ttyS10") and stable names after them, then the device
// `chosen` when it is not among them (a pseudo-terminal, which the system
// does not list, or an adapter unplugged), marked absent unless it is there.
QList<SerialPortEntry> PortsToOffer(QList<SerialPortEntry> found, const QString& chosen);

} // namespace mtz4
