#pragma once

#include "link/SerialPortList.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace mtz4 {

class Link;

// The COM port dialog: sixteen option buttons "COM  1" .. "COM 16", each with
// the device it stands for beside it (greyed when that device is not there),
// then the option of any other serial device: a list of every serial port
// the system has, with its description, maker, USB vendor:product and serial
// number, and the device itself, which may also be typed (a simulator's
// pseudo-terminal, say). An OK button and a Cancel button. Whenever it is opened
// (exec(), open() or show()) the devices are looked up afresh and the link's
// current choice is selected; the device chosen last is listed even while
// it is absent, greyed.
//
// OK closes the port if it is open and sets the choice: a port number, or
// the other device, which is also kept in the per-user settings so that it
// is used again after a restart (a port number clears it); the next
// exchange opens the new port. Cancel, closing the dialog by its window
// frame and Escape change nothing.
class dlgCOM : public QDialog {
    Q_OBJECT
public:
    static constexpr int PortCount = 16;
    // Columns of the list of serial ports.
    enum Column { DeviceColumn, DescriptionColumn, MakerColumn, UsbIdColumn, SerialColumn };

    explicit dlgCOM(Link& link, QWidget* parent = nullptr);

    // Where the list of serial ports comes from: the system's unless a test
    // gives a list of its own. Takes effect at the next opening.
    void setPortLister(SerialPortLister lister) { lister_ = std::move(lister); }

    // opbCom(i) stands for port i + 1.
    QRadioButton* opbCom(int index) const { return opbCom_.at(index); }
    QPushButton* OKButton() const { return OKButton_; }
    QPushButton* CancelButton() const { return CancelButton_; }
    // The device of port index + 1; disabled when the device is absent.
    QLabel* lblDevice(int index) const { return lblDevice_.at(index); }
    // The other serial device: its option, the device and the list.
    QRadioButton* opbDevice() const { return opbDevice_; }
    QLineEdit* txtDevice() const { return txtDevice_; }
    QTreeWidget* lstPorts() const { return lstPorts_; }
    // "Find the cable...": asks for the cable to be unplugged and plugged in
    // again and chooses the port that appeared, which lblFound() describes
    // (with the cure when the user may not open it).
    QPushButton* cmdFindCable() const { return cmdFindCable_; }
    QLabel* lblFound() const { return lblFound_; }
    void findCable();

    // Caption of the button for port `number`: "COM  1" .. "COM  9" with two
    // blanks, "COM 10" .. "COM 16" with one, so that the numbers line up.
    static QString portCaption(int number);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void OKButton_Click();

private:
    void selectCurrentPort();
    void showDevices();
    void showPortList();
    void updateOkButton();

    Link& link_;
    SerialPortLister lister_ = &SystemSerialPorts;
    std::array<QRadioButton*, PortCount> opbCom_{};
    std::array<QLabel*, PortCount> lblDevice_{};
    QRadioButton* opbDevice_ = nullptr;
    QLineEdit* txtDevice_ = nullptr;
    QTreeWidget* lstPorts_ = nullptr;
    QPushButton* OKButton_ = nullptr;
    QPushButton* cmdFindCable_ = nullptr;
    QLabel* lblFound_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
};

} // namespace mtz4
