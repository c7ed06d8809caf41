#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mtz4::sim {

// Layout of the receiver's memory as the clone program uses it.
inline constexpr std::size_t ImageSize = 0x10000; // 64 KiB, addresses 0000h..FFFFh

namespace Addr {
inline constexpr std::uint32_t Settings = 0x0000;    // two 32-byte settings lines
inline constexpr std::uint32_t StartBank = 0x0022;   // byte 0: bank shown after clone mode
inline constexpr std::uint32_t GroupBitmap = 0x0080; // 11 used slots of 8 bytes
inline constexpr std::uint32_t BankTable = 0x0100;   // 50 little-endian 16-bit sizes
inline constexpr std::uint32_t BankFixedWords = 0x0164;
inline constexpr std::uint32_t EnableBitmap = 0x0200; // one bit per entry
inline constexpr std::uint32_t VfoRecords = 0x0300;   // one 32-byte record per band
inline constexpr std::uint32_t EntryRecords = 0x0A00; // one 32-byte record per entry
} // namespace Addr

inline constexpr int EntryCount = 1300;   // entries 0..1299
inline constexpr int ChannelCount = 1000; // entries 0..999 are the memory channels
inline constexpr int BankCount = 50;
inline constexpr int BandCount = 14;
inline constexpr int RecordSize = 32;
inline constexpr int VfoRecordSize = 15;   // bytes of a VFO record that are written
inline constexpr int GroupBitmapSize = 88; // bytes written for slots 0..10
inline constexpr int GroupBitmapArea = 96; // bytes read: three 32-byte blocks
inline constexpr int BankTableSize = 108;  // 50 sizes and the four fixed words
inline constexpr int BankTableArea = 128;  // bytes read: four 32-byte blocks

// The 64 KiB memory image of the simulated receiver.
class MemoryImage {
public:
    // A receiver as it leaves the factory: every VFO and entry record empty
    // (FF), no entry enabled, banks 0..9 of 100 channels and 40 empty banks,
    // no group membership, start bank 0, everything else 00.
    MemoryImage();

    std::uint8_t byte(std::uint32_t address) const { return bytes_[address]; }
    void setByte(std::uint32_t address, std::uint8_t value) { bytes_[address] = value; }

    // True when count bytes from address lie inside the image.
    static bool contains(std::uint32_t address, std::size_t count) {
        return address <= ImageSize && count <= ImageSize - address;
    }
    // Caller checks contains() first.
    std::vector<std::uint8_t> read(std::uint32_t address, std::size_t count) const;
    void write(std::uint32_t address, const std::vector<std::uint8_t>& data);

    const std::array<std::uint8_t, ImageSize>& bytes() const { return bytes_; }
    std::array<std::uint8_t, ImageSize>& bytes() { return bytes_; }

    // Bank table entries (bank 0..49).
    int bankSize(int bank) const;
    void setBankSize(int bank, int size);

    static std::uint32_t entryAddress(int entry) {
        return Addr::EntryRecords + static_cast<std::uint32_t>(entry) * RecordSize;
    }
    static std::uint32_t vfoAddress(int band) {
        return Addr::VfoRecords + static_cast<std::uint32_t>(band) * RecordSize;
    }

    // Enable bit of an entry: bit n of the bitmap, most significant bit of
    // each byte first.
    bool entryEnabled(int entry) const;
    void setEntryEnabled(int entry, bool enabled);

    // Erases every entry record (FF) and clears every enable bit.
    void eraseEntries();

private:
    std::array<std::uint8_t, ImageSize> bytes_{};
};

} // namespace mtz4::sim
