#pragma once

#include "link/Link.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"
#include "support/ScriptedPrompter.h"

#include <memory>

namespace mtz4::test {

// A Link on a fake port and a fake clock, with a scripted prompter: script
// the receiver through port(), check the commands it got, the fake time
// spent (clock().now()) and the messages shown (prompter).
class FakeLink {
public:
    FakeLink()
        : clock_(new FakeClock), port_(new FakeSerialPort(*clock_)),
          link_(prompter, std::unique_ptr<SerialPort>(port_), std::unique_ptr<ReplyClock>(clock_)) {
    }

    ScriptedPrompter prompter;

    Link& link() { return link_; }
    FakeSerialPort& port() { return *port_; }
    FakeClock& clock() { return *clock_; }

private:
    FakeClock* clock_;     // owned by link_
    FakeSerialPort* port_; // owned by link_
    Link link_;
};

} // namespace mtz4::test
