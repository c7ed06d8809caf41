#include "Simulator.h"

#include "CloneFile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace mtz4::sim {

namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void onStopSignal(int signal) {
    stopSignal = signal;
}

constexpr int StopSignals[] = {SIGINT, SIGTERM, SIGHUP};

timespec toTimespec(Nanos ns) {
    if (ns < 0)
        ns = 0;
    return {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
}

} // namespace

Nanos monotonicNow() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<Nanos>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

Simulator::Simulator(const SimOptions& options)
    : options_(options), receiver_(options.model, image_), scheduler_(options.pace),
      inbound_(options.pace) {
    receiver_.setCloneMode(options.cloneMode);
    receiver_.setRefuseIdentification(options.refuseIdentification);
    receiver_.setCorruptEvery(options.faults.corruptEvery);
    // The dumps are written once the reply to "QZ~FINISH" is out, so that
    // writing them does not hold the reply up.
    receiver_.onFinish = [this] {
        dumpPending_ = true;
        note("clone mode ended");
    };
}

void Simulator::note(const std::string& message) const {
    if (!options_.quiet)
        std::fprintf(stderr, "mtz4sim: %s\n", message.c_str());
}

bool Simulator::start(std::string& error) {
    if (!options_.image.empty() && !loadCloneFile(options_.image, image_, error))
        return false;
    if (options_.startBank)
        image_.setByte(Addr::StartBank, static_cast<std::uint8_t>(*options_.startBank));
    if (!options_.log.empty() && !log_.open(options_.log, error))
        return false;
    if (!port_.open(error))
        return false;
    if (!options_.link.empty() && !port_.makeLink(options_.link, error))
        return false;
    if (options_.usbLatencyMs > 0)
        adapter_.emplace(static_cast<Nanos>(options_.usbLatencyMs) * 1000000, monotonicNow());
    catchStopSignals();
    // Wake-ups for the paced output should come when asked for, not up to
    // the default 50 us later.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    return true;
}

void Simulator::handleCommand(const std::string& command, Nanos arrival) {
    ++commands_;
    log_.write(command);
    const CommandFate fate = fateOf(options_.faults, commands_);
    if (fate == CommandFate::Vanish)
        vanished_ = true;
    if (fate == CommandFate::Drop || fate == CommandFate::Silence || vanished_)
        return;
    const bool wasInCloneMode = receiver_.cloneMode();
    Reply reply = receiver_.handle(command);
    if (!wasInCloneMode && receiver_.cloneMode())
        note("clone mode entered");
    if (fate == CommandFate::Garble)
        garble(reply);
    const Nanos start = arrival + static_cast<Nanos>(options_.faults.delayMs) * 1000000;
    if (!scheduler_.queue(reply.bytes(), start))
        note("reply discarded: too much output is waiting unread");
}

bool Simulator::readInput() {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(port_.masterFd(), buffer, sizeof buffer);
        if (n > 0) {
            takeInput(std::string_view(buffer, static_cast<std::size_t>(n)), monotonicNow());
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // EAGAIN: all read. EIO: no client has the device open (cannot last
        // while the simulator holds it open itself, but is no failure either).
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EIO);
    }
}

void Simulator::takeInput(std::string_view bytes, Nanos readAt) {
    inbound_.receive(bytes.size(), readAt);
    // Up to each CR at a time, so that every command is answered from the
    // moment its own CR has arrived.
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        const std::size_t cr = bytes.find('\r', offset);
        const std::size_t end = cr == std::string_view::npos ? bytes.size() : cr + 1;
        if (atCommandStart_)
            turnaround_.commandStarted(inbound_.startOf(offset));
        for (const std::string& command : assembler_.feed(bytes.substr(offset, end - offset)))
            handleCommand(command, inbound_.arrivalOf(end - 1));
        atCommandStart_ = cr != std::string_view::npos;
        offset = end;
    }
}

ReplyScheduler::PumpResult Simulator::pump(const ReplyScheduler::Sink& sink) {
    const std::uint64_t repliesBefore = scheduler_.stats().replies;
    const Nanos now = monotonicNow();
    if (!adapter_) {
        const ReplyScheduler::PumpResult result = scheduler_.pump(now, sink);
        if (scheduler_.stats().replies != repliesBefore && scheduler_.idle())
            turnaround_.replyEnded(now);
        return result;
    }
    // The line ends in the adapter, which takes every character; the
    // computer gets them when the adapter hands them on.
    scheduler_.pump(now, [&](const char* data, std::size_t size) {
        adapter_->receive(data, size, now);
        return static_cast<long>(size);
    });
    const std::uint64_t packetsBefore = adapter_->packets();
    const ReplyScheduler::PumpResult result = adapter_->deliver(now, sink);
    if (adapter_->packets() != packetsBefore && adapter_->idle() && scheduler_.idle())
        turnaround_.replyEnded(now);
    return result;
}

std::optional<Nanos> Simulator::nextDue() const {
    const std::optional<Nanos> line = scheduler_.nextDue();
    const std::optional<Nanos> adapter = adapter_ ? adapter_->nextDue() : std::nullopt;
    if (line && adapter)
        return std::min(*line, *adapter);
    return line ? line : adapter;
}

void Simulator::catchStopSignals() {
    sigset_t stopSet;
    sigemptyset(&stopSet);
    for (int s : StopSignals)
        sigaddset(&stopSet, s);
    // The stop signals stay blocked except while waiting in ppoll, so one
    // that arrives between two waits is never missed.
    sigprocmask(SIG_BLOCK, &stopSet, &waitMask_);
    for (int s : StopSignals)
        sigdelset(&waitMask_, s);
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (int s : StopSignals)
        sigaction(s, &action, nullptr);
}

bool Simulator::run(std::string& error) {
    const int fd = port_.masterFd();
    const ReplyScheduler::Sink sink = [fd](const char* data, std::size_t size) -> long {
        const ssize_t n = ::write(fd, data, size);
        if (n >= 0)
            return static_cast<long>(n);
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
    };

    while (stopSignal == 0) {
        if (vanished_) {
            // Gone mid-conversation: whatever is still queued is lost with the line.
            port_.close();
            note("vanished: the line is closed");
            return true;
        }
        ReplyScheduler::PumpResult pumped = pump(sink);
        if (pumped == ReplyScheduler::PumpResult::LineFull) {
            // Nobody has read the device's input for thousands of bytes: the
            // client has gone. Its unread bytes are lost, as on a real line.
            port_.discardClientInput();
            ++lineFlushes_;
            pumped = pump(sink);
        }
        if (pumped == ReplyScheduler::PumpResult::LineFailed) {
            error = "writing to " + port_.devicePath() + " failed: " + std::strerror(errno);
            return false;
        }

        if (dumpPending_ && scheduler_.idle() && (!adapter_ || adapter_->idle())) {
            dumpPending_ = false;
            std::string dumpError;
            if (!writeDumps(dumpError))
                std::fprintf(stderr, "mtz4sim: %s\n", dumpError.c_str());
        }

        pollfd pfd{fd, POLLIN, 0};
        timespec timeout{};
        const timespec* wait = nullptr;
        if (pumped == ReplyScheduler::PumpResult::LineFull) {
            pfd.events |= POLLOUT;
            timeout = toTimespec(10000000);
            wait = &timeout;
        } else if (const auto due = nextDue()) {
            timeout = toTimespec(*due - monotonicNow());
            wait = &timeout;
        }
        const int ready = ::ppoll(&pfd, 1, wait, &waitMask_);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            error = std::string("waiting for the line failed: ") + std::strerror(errno);
            return false;
        }
        if (ready > 0 && (pfd.revents & (POLLIN | POLLHUP | POLLERR))) {
            if (!readInput()) {
                error = "reading from " + port_.devicePath() + " failed: " + std::strerror(errno);
                return false;
            }
            if (pfd.revents & (POLLHUP | POLLERR)) {
                // No client holds the device: wait a little instead of
                // spinning on the hang-up.
                const timespec pause = toTimespec(10000000);
                ::ppoll(nullptr, 0, &pause, &waitMask_);
            }
        }
    }
    note(std::string("stopped by ") + (stopSignal == SIGINT    ? "SIGINT"
                                       : stopSignal == SIGTERM ? "SIGTERM"
                                                               : "SIGHUP"));
    return true;
}

bool Simulator::writeDumps(std::string& error) const {
    if (!options_.dump.empty() && !saveCloneFile(options_.dump, image_, error))
        return false;
    if (!options_.dumpRaw.empty() && !saveRawImage(options_.dumpRaw, image_, error))
        return false;
    return true;
}

bool Simulator::writeStats(std::string& error) const {
    if (options_.stats.empty())
        return true;
    const PacingStats& s = scheduler_.stats();
    const double meanLateUs =
        s.pacedWrites ? static_cast<double>(s.totalLate) / 1000.0 / s.pacedWrites : 0.0;
    // What both directions take on the real line, paced or not.
    const double receivedSeconds = static_cast<double>(lineTime(inbound_.bytesReceived())) / 1e9;
    const double lineSeconds = static_cast<double>(lineTime(s.bytesSent)) / 1e9 + receivedSeconds;
    char text[1536];
    std::snprintf(
        text, sizeof text,
        "{\n"
        "  \"model\": \"%s\",\n"
        "  \"commands\": %llu,\n"
        "  \"replies\": %llu,\n"
        "  \"bytes_sent\": %llu,\n"
        "  \"paced\": %s,\n"
        "  \"usb_latency_ms\": %u,\n"
        "  \"usb_packets\": %llu,\n"
        "  \"paced_bytes\": %llu,\n"
        "  \"paced_time_s\": %.6f,\n"
        "  \"received_bytes\": %llu,\n"
        "  \"received_time_s\": %.6f,\n"
        "  \"line_time_s\": %.6f,\n"
        "  \"turnarounds\": %llu,\n"
        "  \"turnaround_median_us\": %.1f,\n"
        "  \"turnaround_p95_us\": %.1f,\n"
        "  \"turnaround_mean_us\": %.1f,\n"
        "  \"max_late_us\": %.1f,\n"
        "  \"mean_late_us\": %.1f,\n"
        "  \"unread_output_flushes\": %llu\n"
        "}\n",
        options_.model.c_str(), static_cast<unsigned long long>(commands_),
        static_cast<unsigned long long>(s.replies), static_cast<unsigned long long>(s.bytesSent),
        options_.pace ? "true" : "false", options_.usbLatencyMs,
        static_cast<unsigned long long>(adapter_ ? adapter_->packets() : 0),
        static_cast<unsigned long long>(s.pacedBytes), s.pacedSeconds(),
        static_cast<unsigned long long>(inbound_.bytesReceived()), receivedSeconds, lineSeconds,
        static_cast<unsigned long long>(turnaround_.count()),
        static_cast<double>(turnaround_.median()) / 1000.0,
        static_cast<double>(turnaround_.percentile(95)) / 1000.0,
        static_cast<double>(turnaround_.mean()) / 1000.0, static_cast<double>(s.maxLate) / 1000.0,
        meanLateUs, static_cast<unsigned long long>(lineFlushes_));
    std::ofstream out(options_.stats, std::ios::trunc);
    out << text;
    if (!out.flush()) {
        error = "cannot write the statistics " + options_.stats + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool Simulator::finish(std::string& error) {
    const PacingStats& s = scheduler_.stats();
    note(std::to_string(commands_) + " commands, " + std::to_string(s.bytesSent) + " bytes sent");
    if (options_.pace && !options_.quiet)
        std::fprintf(stderr,
                     "paced bytes: %llu, paced time: %.6f s, received bytes: %llu, line time of "
                     "both directions: %.6f s\n",
                     static_cast<unsigned long long>(s.pacedBytes), s.pacedSeconds(),
                     static_cast<unsigned long long>(inbound_.bytesReceived()),
                     s.pacedSeconds() +
                         static_cast<double>(lineTime(inbound_.bytesReceived())) / 1e9);
    std::string dumpError, statsError;
    const bool dumped = writeDumps(dumpError);
    const bool statted = writeStats(statsError);
    error = !dumped ? dumpError : statsError;
    return dumped && statted;
}

} // namespace mtz4::sim
