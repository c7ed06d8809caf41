#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace mtz4 {

class Link;

// The COM port dialog: sixteen option buttons "COM  1" .. "COM 16", each with
// the device it stands for beside it (greyed when that device is not there),
// and an OK button, no cancel. Whenever it is opened (exec(), open() or
// show()) the devices are looked up afresh and the button of the link's
// current port is selected. OK closes the port if it is
// open and sets the selected port number; the next exchange opens the new
// port. Closing the dialog by its window frame or Escape changes nothing.
class dlgCOM : public QDialog {
    Q_OBJECT
public:
    static constexpr int PortCount = 16;

    explicit dlgCOM(Link& link, QWidget* parent = nullptr);

    // opbCom(i) stands for port i + 1.
    QRadioButton* opbCom(int index) const { return opbCom_.at(index); }
    QPushButton* OKButton() const { return OKButton_; }
    // The device of port index + 1; disabled when the device is absent.
    QLabel* lblDevice(int index) const { return lblDevice_.at(index); }

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

    Link& link_;
    std::array<QRadioButton*, PortCount> opbCom_{};
    std::array<QLabel*, PortCount> lblDevice_{};
    QPushButton* OKButton_ = nullptr;
};

} // namespace mtz4
