#include "MemoryImage.h"

#include <algorithm>

namespace mtz4::sim {

namespace {

constexpr std::uint8_t EmptyRecordByte = 0xFF;

std::uint32_t enableByteAddress(int entry) {
    return Addr::EnableBitmap + static_cast<std::uint32_t>(entry) / 8;
}

std::uint8_t enableMask(int entry) {
    return static_cast<std::uint8_t>(0x80 >> (entry % 8));
}

} // namespace

MemoryImage::MemoryImage() {
    std::fill(bytes_.begin() + vfoAddress(0), bytes_.begin() + vfoAddress(BandCount),
              EmptyRecordByte);
    eraseEntries();
    for (int bank = 0; bank < 10; ++bank)
        setBankSize(bank, 100);
    // The four fixed words that follow the bank sizes: 100, 100, 100, 20.
    static constexpr std::uint8_t fixedWords[] = {0x64, 0x00, 0x64, 0x00, 0x64, 0x00, 0x14, 0x00};
    std::copy(std::begin(fixedWords), std::end(fixedWords), bytes_.begin() + Addr::BankFixedWords);
    // Group bitmap with no bank in any group: all clear except the marker bit
    // that the filler of the last used slot carries.
    bytes_[Addr::GroupBitmap + 86] = 0x04;
}

std::vector<std::uint8_t> MemoryImage::read(std::uint32_t address, std::size_t count) const {
    return {bytes_.begin() + address, bytes_.begin() + address + count};
}

void MemoryImage::write(std::uint32_t address, const std::vector<std::uint8_t>& data) {
    std::copy(data.begin(), data.end(), bytes_.begin() + address);
}

int MemoryImage::bankSize(int bank) const {
    const std::uint32_t at = Addr::BankTable + 2 * static_cast<std::uint32_t>(bank);
    return bytes_[at] | (bytes_[at + 1] << 8);
}

void MemoryImage::setBankSize(int bank, int size) {
    const std::uint32_t at = Addr::BankTable + 2 * static_cast<std::uint32_t>(bank);
    bytes_[at] = static_cast<std::uint8_t>(size & 0xFF);
    bytes_[at + 1] = static_cast<std::uint8_t>((size >> 8) & 0xFF);
}

bool MemoryImage::entryEnabled(int entry) const {
    return (bytes_[enableByteAddress(entry)] & enableMask(entry)) != 0;
}

void MemoryImage::setEntryEnabled(int entry, bool enabled) {
    std::uint8_t& b = bytes_[enableByteAddress(entry)];
    b = enabled ? static_cast<std::uint8_t>(b | enableMask(entry))
                : static_cast<std::uint8_t>(b & ~enableMask(entry));
}

void MemoryImage::eraseEntries() {
    std::fill(bytes_.begin() + entryAddress(0), bytes_.begin() + entryAddress(EntryCount),
              EmptyRecordByte);
    for (int entry = 0; entry < EntryCount; ++entry)
        setEntryEnabled(entry, false);
}

} // namespace mtz4::sim
