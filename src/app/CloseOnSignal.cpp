#include "app/CloseOnSignal.h"

#include <QWidget>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace mtz4 {

#ifdef Q_OS_UNIX

namespace {

// The handler may only do what is safe in a signal handler: it writes one
// byte to a socket, and the event loop does the rest.
int signalSockets[2] = {-1, -1};
constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

CloseOnSignal::CloseOnSignal(QWidget& window) : window_(window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(signalSockets[1], &byte, 1) == 1)
            window_.close();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : Signals)
        sigaction(s, &action, nullptr);
}

CloseOnSignal::~CloseOnSignal() {
    for (int s : Signals)
        std::signal(s, SIG_DFL);
    for (int& fd : signalSockets) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

#else

CloseOnSignal::CloseOnSignal(QWidget& window) : window_(window) {}
CloseOnSignal::~CloseOnSignal() = default;

#endif

} // namespace mtz4
