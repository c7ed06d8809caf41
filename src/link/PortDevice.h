#pragma once

#include <QString>

namespace mtz4 {

// Serial port numbers as the user chooses them (COM 1 .. COM 16) and the
// device each number stands for on this system.
inline constexpr int FirstPortNumber = 1;
inline constexpr int LastPortNumber = 16;

// True for 1..16.
bool isValidPortNumber(int number);

// The name of the environment variable that points port `number` at a device
// of the user's choice: "MTZ4_COM3" for port 3.
QString portOverrideVariable(int number);

// The device behind port `number` (1..16):
// 1. the value of the environment variable MTZ4_COM<n> when it is set and not
//    empty (for example MTZ4_COM3=/dev/ttyUSB0, or a simulator's pty);
// 2. on Windows "COM<n>";
// 3. elsewhere /dev/ttyUSB<n-1> when that device exists (USB serial adapters,
//    the usual cable today), otherwise /dev/ttyS<n-1> (built-in ports).
// An invalid number gives the empty text.
QString devicePathForPort(int number);

// The device a name or path given by the user stands for. A path is taken as
// it is. On Windows a name is the port's own name ("COM3"); elsewhere a bare
// name ("ttyACM0") is the device of that name in /dev, unless a file of that
// name is in the working directory (a simulator's link, say).
QString deviceLocation(const QString& nameOrPath);

// True when the device at `path` is there now (a serial port the system
// knows, or a device file or link to one); says nothing about whether it
// may be opened.
bool portDeviceExists(const QString& path);

} // namespace mtz4
