#include "Hex.h"

namespace mtz4::sim {

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isHexText(std::string_view text) {
    for (char c : text) {
        if (hexDigitValue(c) < 0)
            return false;
    }
    return true;
}

std::string toHex(const std::uint8_t* bytes, std::size_t count) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        out.push_back(digits[bytes[i] >> 4]);
        out.push_back(digits[bytes[i] & 0x0F]);
    }
    return out;
}

std::string toHex(const std::vector<std::uint8_t>& bytes) {
    return toHex(bytes.data(), bytes.size());
}

std::optional<std::vector<std::uint8_t>> bytesFromHex(std::string_view digits) {
    if (digits.size() % 2 != 0 || !isHexText(digits))
        return std::nullopt;
    std::vector<std::uint8_t> bytes(digits.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(hexDigitValue(digits[2 * i]) * 16 +
                                             hexDigitValue(digits[2 * i + 1]));
    }
    return bytes;
}

std::optional<unsigned> parseHexNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    unsigned value = 0;
    for (char c : digits) {
        const int d = hexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(d);
    }
    return value;
}

std::optional<unsigned> parseDecimalNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    unsigned value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value;
}

} // namespace mtz4::sim
