#pragma once

#include <string>

namespace mtz4::sim {

// The simulator's end of a pseudo-terminal. The other end (the device path)
// is what a client opens as its serial port. The slave side is put into raw
// mode at 38400 bit/s, so that no echo, line editing or CR/LF translation
// alters the bytes. The simulator keeps the slave side open itself, so the
// terminal lives on while a client closes and re-opens the device; the
// master side is non-blocking.
class PtyPort {
public:
    PtyPort() = default;
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    // Opens a new pseudo-terminal; false with a message in error on failure.
    bool open(std::string& error);

    int masterFd() const { return master_; }
    const std::string& devicePath() const { return device_; }

    // Makes a symbolic link at path to the device. An existing symbolic link
    // there is replaced; any other file is left alone and refused.
    bool makeLink(const std::string& path, std::string& error);
    // Removes the link made by makeLink, if it still points to the device.
    void removeLink();

    // Closes both ends: a client holding the device sees it go away.
    void close();

    // Discards whatever waits in the device's input (bytes sent to a client
    // that is gone).
    void discardClientInput();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string device_;
    std::string link_;
};

} // namespace mtz4::sim
