#include "PtyPort.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace mtz4::sim {

namespace {

std::string systemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

} // namespace

PtyPort::~PtyPort() {
    close();
}

void PtyPort::close() {
    removeLink();
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

bool PtyPort::open(std::string& error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error = systemError("cannot open a pseudo-terminal");
        return false;
    }
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = systemError("cannot unlock the pseudo-terminal");
        return false;
    }
    char name[PATH_MAX];
    if (::ptsname_r(master_, name, sizeof name) != 0) {
        error = systemError("cannot name the pseudo-terminal");
        return false;
    }
    device_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        error = systemError("cannot open " + device_);
        return false;
    }
    termios tio{};
    if (::tcgetattr(slave_, &tio) != 0) {
        error = systemError("cannot read the settings of " + device_);
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&tio, B38400);
    ::cfsetospeed(&tio, B38400);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(slave_, TCSANOW, &tio) != 0) {
        error = systemError("cannot set " + device_ + " to raw mode");
        return false;
    }
    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = systemError("cannot make the pseudo-terminal non-blocking");
        return false;
    }
    return true;
}

bool PtyPort::makeLink(const std::string& path, std::string& error) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            error = path + " exists and is not a symbolic link; not replacing it";
            return false;
        }
        if (::unlink(path.c_str()) != 0) {
            error = systemError("cannot replace " + path);
            return false;
        }
    }
    if (::symlink(device_.c_str(), path.c_str()) != 0) {
        error = systemError("cannot make the link " + path);
        return false;
    }
    link_ = path;
    return true;
}

void PtyPort::removeLink() {
    if (link_.empty())
        return;
    char target[PATH_MAX];
    const ssize_t n = ::readlink(link_.c_str(), target, sizeof target - 1);
    if (n >= 0) {
        target[n] = '\0';
        if (device_ == target)
            ::unlink(link_.c_str());
    }
    link_.clear();
}

void PtyPort::discardClientInput() {
    if (slave_ >= 0)
        ::tcflush(slave_, TCIFLUSH);
}

} // namespace mtz4::sim
