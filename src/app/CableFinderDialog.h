#pragma once

#include "link/CableWatch.h"

#include <QDialog>
#include <optional>

class QTimer;

namespace mtz4 {

// "Find the cable...": asks the user to unplug the receiver's cable and plug
// it in again, and watches the system's list of serial ports meanwhile
// (CableWatch, every PollMs); the dialog ends accepted as soon as a port has
// appeared, which found() then gives. Cancel stops the watch.
class CableFinderDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int PollMs = 250;

    CableFinderDialog(SerialPortLister lister, QWidget* parent = nullptr);

    const std::optional<SerialPortEntry>& found() const { return found_; }

private:
    CableWatch watch_;
    QTimer* timer_ = nullptr;
    std::optional<SerialPortEntry> found_;
};

// What the COM port dialog says of the port found: the device, its
// description and USB vendor:product, and, when the user may not open it,
// why and the cure.
QString FoundCableText(const SerialPortEntry& port);

} // namespace mtz4
