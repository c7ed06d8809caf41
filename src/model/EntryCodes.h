#pragma once

// The codes an entry record keeps for its option, its shift direction and
// its tone, as they go into the record's fields and over the wire.

namespace mtz4 {

inline constexpr int OptionOffCode = 0;
inline constexpr int OptionTrainCode = 1;
inline constexpr int OptionToneCode = 2;
inline constexpr int OptionReverseCode = 3;
inline constexpr int OptionSecretCode = 4;

inline constexpr int ShiftPlusCode = 1;
inline constexpr int ShiftMinusCode = 2;

// 88.5 Hz, the tone of a new entry.
inline constexpr int DefaultToneCode = 8;

} // namespace mtz4
