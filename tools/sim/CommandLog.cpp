#include "CommandLog.h"

#include <cerrno>
#include <cstring>

namespace mtz4::sim {

CommandLog::~CommandLog() {
    if (file_)
        std::fclose(file_);
}

bool CommandLog::open(const std::string& path, std::string& error) {
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) {
        error = "cannot write the log " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void CommandLog::write(std::string_view command) {
    if (!file_)
        return;
    std::fwrite(command.data(), 1, command.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

} // namespace mtz4::sim
