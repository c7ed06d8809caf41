#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mtz4::sim {

// Value of one hex digit ("0".."9", "A".."F", "a".."f"), or -1 for any other
// character.
int hexDigitValue(char c);

// True when every character is a hex digit (the empty text included).
bool isHexText(std::string_view text);

// Two upper-case hex digits per byte, first byte first.
std::string toHex(const std::uint8_t* bytes, std::size_t count);
std::string toHex(const std::vector<std::uint8_t>& bytes);

// Bytes of a text of hex digits, two digits per byte. Nothing for an odd
// number of digits or a character that is not a hex digit.
std::optional<std::vector<std::uint8_t>> bytesFromHex(std::string_view digits);

// Value of a short field of hex (at most 8) or decimal (at most 9) digits;
// nothing when it is empty, longer, or holds a character that is not a digit
// of that base.
std::optional<unsigned> parseHexNumber(std::string_view digits);
std::optional<unsigned> parseDecimalNumber(std::string_view digits);

} // namespace mtz4::sim
