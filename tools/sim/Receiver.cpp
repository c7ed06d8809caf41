#include "Receiver.h"

#include "Hex.h"

#include <algorithm>

namespace mtz4::sim {

namespace {

constexpr std::string_view Prefix = "QZ~";
constexpr std::string_view IdentificationPrefix = "QZ~MT-";
constexpr std::string_view CloneModeWrite = "QZ~F0FD01W00";
constexpr std::string_view Finish = "QZ~FINISH";
constexpr std::string_view Erase = "QZ~IM";
constexpr std::string_view AddressPrefix = "QZ~F";  // + 5 hex digits + R or W
constexpr std::string_view ChannelPrefix = "QZ~BC"; // + 2 + 3 digits + R or W
constexpr std::size_t AddressCommandLength = 10;    // up to the R or W
constexpr std::size_t ChannelCommandLength = 11;

constexpr int ListChannels = 100; // channels of the Program Scan, Search Pass and Priority lists
constexpr unsigned ProgramScanList = 50;
constexpr unsigned PriorityList = 52;

Reply makeReply(std::string_view command, ReplyKind kind, std::string_view data = {}) {
    Reply reply;
    reply.kind = kind;
    reply.echo = std::string(command) + '\r';
    switch (kind) {
    case ReplyKind::EchoOnly:
        break;
    case ReplyKind::Data:
        reply.body = "\r\n" + std::string(data) + "\r\n";
        break;
    case ReplyKind::Ok:
        reply.body = "\r\nOK\r\n";
        break;
    case ReplyKind::Refused:
        reply.body = "\r\nRE\r\n";
        break;
    }
    return reply;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

bool isModelName(std::string_view name) {
    return std::find(ModelNames.begin(), ModelNames.end(), name) != ModelNames.end();
}

Receiver::Receiver(std::string_view model, MemoryImage& image) : model_(model), image_(image) {}

Reply Receiver::handle(std::string_view command) {
    if (startsWith(command, IdentificationPrefix))
        return identify(command);
    if (cloneMode_)
        return handleInCloneMode(command);
    if (command == CloneModeWrite && identified_) {
        identified_ = false;
        cloneMode_ = true;
        return writeAddress(command);
    }
    identified_ = false;
    return makeReply(command, ReplyKind::EchoOnly);
}

Reply Receiver::handleInCloneMode(std::string_view command) {
    identified_ = false;
    if (command == Finish) {
        cloneMode_ = false;
        if (onFinish)
            onFinish();
        return makeReply(command, ReplyKind::Ok);
    }
    if (command == Erase) {
        image_.eraseEntries();
        return makeReply(command, ReplyKind::Ok);
    }
    if (startsWith(command, ChannelPrefix) && command.size() >= ChannelCommandLength) {
        const char op = command[ChannelCommandLength - 1];
        if (op == 'R' && command.size() == ChannelCommandLength)
            return readChannel(command);
        if (op == 'W')
            return writeChannel(command);
    }
    if (startsWith(command, AddressPrefix) && command.size() >= AddressCommandLength) {
        const char op = command[AddressCommandLength - 1];
        if (op == 'R' && command.size() == AddressCommandLength)
            return readAddress(command);
        if (op == 'W')
            return writeAddress(command);
    }
    return makeReply(command, ReplyKind::Refused);
}

Reply Receiver::identify(std::string_view command) {
    const bool own = !refuseIdentification_ && command.substr(Prefix.size()) == model_;
    identified_ = own;
    return makeReply(command, own ? ReplyKind::Ok : ReplyKind::Refused);
}

Reply Receiver::readAddress(std::string_view command) {
    const auto address = parseHexNumber(command.substr(AddressPrefix.size(), 5));
    if (!address || !MemoryImage::contains(*address, RecordSize))
        return makeReply(command, ReplyKind::Refused);
    const auto bytes = image_.read(*address, RecordSize);
    return makeReply(command, ReplyKind::Data, toHex(bytes));
}

Reply Receiver::writeAddress(std::string_view command) {
    const auto address = parseHexNumber(command.substr(AddressPrefix.size(), 5));
    const auto data = bytesFromHex(command.substr(AddressCommandLength));
    if (!address || !data || data->empty() || !MemoryImage::contains(*address, data->size()))
        return makeReply(command, ReplyKind::Refused);
    image_.write(*address, *data);
    return makeReply(command, ReplyKind::Ok);
}

Reply Receiver::readChannel(std::string_view command) {
    const auto list = parseDecimalNumber(command.substr(ChannelPrefix.size(), 2));
    const auto channel = parseDecimalNumber(command.substr(ChannelPrefix.size() + 2, 3));
    const auto entry = list && channel ? entryOf(*list, *channel, true) : std::nullopt;
    if (!entry)
        return makeReply(command, ReplyKind::Refused);
    const auto bytes = image_.read(MemoryImage::entryAddress(*entry), RecordSize);
    return makeReply(command, ReplyKind::Data, toHex(bytes));
}

Reply Receiver::writeChannel(std::string_view command) {
    const auto list = parseDecimalNumber(command.substr(ChannelPrefix.size(), 2));
    const auto channel = parseDecimalNumber(command.substr(ChannelPrefix.size() + 2, 3));
    const auto record = bytesFromHex(command.substr(ChannelCommandLength));
    const auto entry = list && channel ? entryOf(*list, *channel, false) : std::nullopt;
    if (!entry || !record || record->size() != RecordSize)
        return makeReply(command, ReplyKind::Refused);
    std::vector<std::uint8_t> stored = *record;
    if (corruptEvery_ != 0 && ++channelWrites_ % corruptEvery_ == 0)
        stored[0] ^= 1;
    image_.write(MemoryImage::entryAddress(*entry), stored);
    image_.setEntryEnabled(*entry, true);
    return makeReply(command, ReplyKind::Ok);
}

std::optional<int> Receiver::entryOf(unsigned list, unsigned channel, bool forRead) const {
    const bool startOfList = forRead && channel == 0;
    int entry = 0;
    if (list < BankCount) {
        const int bank = static_cast<int>(list);
        int start = 0;
        for (int b = 0; b < bank; ++b)
            start += image_.bankSize(b);
        if (!startOfList && static_cast<int>(channel) >= image_.bankSize(bank))
            return std::nullopt;
        entry = start + static_cast<int>(channel);
        if (!forRead && entry >= ChannelCount)
            return std::nullopt;
    } else if (list >= ProgramScanList && list <= PriorityList) {
        if (channel >= ListChannels)
            return std::nullopt;
        entry = ChannelCount + static_cast<int>(list - ProgramScanList) * ListChannels +
                static_cast<int>(channel);
    } else {
        return std::nullopt;
    }
    if (entry >= EntryCount)
        return std::nullopt;
    return entry;
}

} // namespace mtz4::sim
