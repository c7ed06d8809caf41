#pragma once

#include "CommandLog.h"
#include "InboundLine.h"
#include "LineAssembler.h"
#include "MemoryImage.h"
#include "PtyPort.h"
#include "Receiver.h"
#include "ReplyScheduler.h"
#include "SimOptions.h"
#include "Turnaround.h"
#include "UsbAdapter.h"

#include <csignal>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mtz4::sim {

// The running simulator: a receiver on a pseudo-terminal, with the command
// log, the fault plan, the pacing and the dumps of its options.
class Simulator {
public:
    explicit Simulator(const SimOptions& options);

    // Loads the image, opens the pseudo-terminal, makes the link, opens the
    // log, and from then on holds SIGINT, SIGTERM and SIGHUP for run(). False
    // with a message in error on failure.
    bool start(std::string& error);
    const std::string& devicePath() const { return port_.devicePath(); }

    // Serves the line until SIGINT, SIGTERM or SIGHUP arrives. False with a
    // message in error when the line fails.
    bool run(std::string& error);

    // Writes the dumps and the statistics asked for and reports the totals
    // on standard error. False with a message in error when a file could not
    // be written.
    bool finish(std::string& error);

    std::uint64_t commandCount() const { return commands_; }
    const PacingStats& stats() const { return scheduler_.stats(); }
    const Turnaround& turnaround() const { return turnaround_; }

private:
    void catchStopSignals();
    void handleCommand(const std::string& command, Nanos arrival);
    bool readInput();
    void takeInput(std::string_view bytes, Nanos readAt);
    // Sends what is due on the line (through the USB adapter, when there is one).
    ReplyScheduler::PumpResult pump(const ReplyScheduler::Sink& sink);
    // When the next write to the line is due; nothing when all is sent.
    std::optional<Nanos> nextDue() const;
    bool writeDumps(std::string& error) const;
    bool writeStats(std::string& error) const;
    void note(const std::string& message) const;

    SimOptions options_;
    MemoryImage image_;
    Receiver receiver_;
    PtyPort port_;
    CommandLog log_;
    LineAssembler assembler_;
    ReplyScheduler scheduler_;
    std::optional<UsbAdapter> adapter_;
    InboundLine inbound_;
    Turnaround turnaround_;
    bool atCommandStart_ = true; // the next character received begins a command
    std::uint64_t commands_ = 0;
    std::uint64_t lineFlushes_ = 0; // times unread output was thrown away
    sigset_t waitMask_{};           // signal mask while waiting for the line
    bool dumpPending_ = false;      // "QZ~FINISH" came; dump once its reply is out
    bool vanished_ = false;         // the vanishing fault struck: close the line and stop
};

// The monotonic clock in nanoseconds.
Nanos monotonicNow();

} // namespace mtz4::sim
