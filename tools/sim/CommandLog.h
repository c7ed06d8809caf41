#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace mtz4::sim {

// The command log: one line per command received, without its CR, in the
// order received, each line flushed as it is written so that the log can be
// read while the simulator runs.
class CommandLog {
public:
    CommandLog() = default;
    ~CommandLog();
    CommandLog(const CommandLog&) = delete;
    CommandLog& operator=(const CommandLog&) = delete;

    // Creates or truncates the file; false with a message in error on failure.
    bool open(const std::string& path, std::string& error);
    bool isOpen() const { return file_ != nullptr; }
    void write(std::string_view command);

private:
    std::FILE* file_ = nullptr;
};

} // namespace mtz4::sim
