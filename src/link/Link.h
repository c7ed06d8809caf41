#pragma once

#include "link/Exchange.h"
#include "link/LinkPrompter.h"
#include "link/PortDevice.h"

#include <QString>
#include <memory>

namespace mtz4 {

class Prompter;
class ReplyClock;
class SerialPort;
class TrafficTrace;

// The program's radio link: the serial port with its number, the reply timer,
// the exchanges on them, and the start-bank code of the last clone-mode
// entry. The desktop program and the command-line tool each own one (they
// need a Q(Core)Application for the event loop); every link procedure takes
// it by reference.
//
// The port is closed until the first exchange opens it, then stays open
// until close() (the COM port dialog's OK), a change of port, or a failure.
class Link {
public:
    // The system serial port and a real reply timer; port 1.
    explicit Link(Prompter& prompter);
    // Any port and clock (the tests pass fakes).
    Link(Prompter& prompter, std::unique_ptr<SerialPort> port, std::unique_ptr<ReplyClock> clock);
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // Port number 1..16 (COM 1 .. COM 16); the device behind it is given by
    // devicePathForPort() each time the port is opened. Setting a number
    // closes the port if it is open and drops a device set with
    // setDevicePath(). An invalid number is refused (returns false).
    int portNumber() const { return portNumber_; }
    bool setPortNumber(int number);
    // Uses the device at `path` (a path or a name, see deviceLocation())
    // instead of a port number: the command-line tool's --device, or a
    // device chosen in COM Port Setup. Closes the port if it is open. An
    // empty path goes back to the port number.
    void setDevicePath(const QString& path);
    // The device set with setDevicePath() as it was given; empty while the
    // port number decides.
    QString chosenDevice() const { return devicePath_; }
    // The device the next open uses.
    QString devicePath() const;
    // The port in use in words: "COM 1 (/dev/ttyUSB0)" for a port number
    // with the device behind it, the device alone for one chosen by path.
    QString portInUse() const;

    bool isOpen() const;
    void close();

    // One data exchange; see Exchange::sendData. `command` without its CR.
    QString SendQZData(const QString& command);
    // One acknowledged exchange; see Exchange::sendAck. `command` without its CR.
    AckCode SendQZAck(const QString& command);
    // True while an exchange waits for its reply.
    bool busy() const { return exchange_.busy(); }
    // Why the last port failure happened, in plain words (no such device,
    // permission denied, busy, vanished during the transfer, ...).
    QString lastPortError() const { return exchange_.lastPortError(); }

    // Writes every command, reply and outcome to the file at `path` from now
    // on (see TrafficTrace). False, with the reason in `error`, when the
    // file cannot be written; the link then runs without a trace.
    bool startTrace(const QString& path, QString& error);
    // Ends the trace, which then replaces the file at its path (see
    // TrafficTrace::finish). False, with the reason in `error`, when it
    // could not be kept; true when there was no trace.
    bool finishTrace(QString& error);

    // Messages of the link procedures go here: on to the program's prompter,
    // or nowhere once a read has been cancelled.
    LinkPrompter& prompter() const { return prompter_; }

    // Stops the clone command that is running after the exchange in
    // progress: from now on every exchange fails at once, as a port that
    // failed would, without touching the port, and no message is shown.
    // The command thus ends as if it had failed at that point. resume()
    // makes the link usable again.
    void cancel();
    void resume();
    bool cancelled() const { return cancelled_; }

    // Two decimal digits: the bank number read at 0022h when this program
    // last brought the receiver into clone mode; empty until then. The final
    // read-back of a memory write uses it.
    QString StartBankCode;

private:
    mutable LinkPrompter prompter_;
    bool cancelled_ = false;
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<ReplyClock> clock_;
    std::unique_ptr<TrafficTrace> trace_;
    int portNumber_ = FirstPortNumber;
    QString devicePath_;
    Exchange exchange_;
};

} // namespace mtz4
