#include "link/SerialPort.h"

namespace mtz4 {

SerialPort::~SerialPort() = default;

} // namespace mtz4
