#pragma once

namespace mtz4 {

// Byte addresses of the receiver memory that clone read and clone write
// transfer, and the size of every transferred block.
namespace MemoryMap {
inline constexpr int BlockSize = 0x20; // every read returns 32 bytes

inline constexpr int SettingsLine1 = 0x0000;
inline constexpr int SettingsLine2 = 0x0020;
inline constexpr int GroupBitmap = 0x0080;  // 3 blocks
inline constexpr int BankTable = 0x0100;    // 4 blocks
inline constexpr int ClearedArea = 0x0180;  // 4 blocks, zeroed after a memory write
inline constexpr int EnableBitmap = 0x0200; // 5 blocks
inline constexpr int VfoRecords = 0x0300;   // one block per band
inline constexpr int EntryRecords = 0x0A00; // one block per memory entry

inline constexpr int GroupBlocks = 3;
inline constexpr int BankBlocks = 4;
inline constexpr int ClearedBlocks = 4;
inline constexpr int EnableBlocks = 5;

// Address of block k of the area starting at `base`.
constexpr int blockAddress(int base, int k) {
    return base + BlockSize * k;
}
} // namespace MemoryMap

} // namespace mtz4
