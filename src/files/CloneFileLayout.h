#pragma once

// Where each part of a clone file (.MZ4) stands: line numbers from 0. Plain
// C++, shared by the program's clone file and the receiver simulator.
namespace mtz4::CloneFileLine {

inline constexpr int Header = 0;
inline constexpr int SetLine1 = 1;
inline constexpr int SetLine2 = 2;
inline constexpr int FirstVfo = 3;       // bands 0..13
inline constexpr int FirstEntry = 17;    // entries 0..1299
inline constexpr int FirstEnable = 1317; // enable slots 0..5
inline constexpr int EnableCount = 6;
inline constexpr int FirstBandNote = 1323;  // notes of bands 0..13
inline constexpr int FirstEntryNote = 1337; // notes of entries 0..1299
inline constexpr int FirstBank = 2637;      // bank slots 0..3
inline constexpr int BankCount = 4;
inline constexpr int Group = 2641;
inline constexpr int Trailer = 2642;
inline constexpr int Count = 2643;

} // namespace mtz4::CloneFileLine

namespace mtz4 {

// No clone file is anywhere near this large, notes included (a full one is
// some 200 KB): a larger file is refused before it is read.
inline constexpr long long CloneFileMaxBytes = 16 * 1024 * 1024;

} // namespace mtz4
