#include "CloneFile.h"

#include "Hex.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace mtz4::sim {

namespace {

constexpr std::size_t EnableDigits = EntryCount / 4; // one bit per entry: 325 digits
constexpr std::size_t EnableSlotDigits = 64;
constexpr std::size_t BankSlotDigits = 64;
constexpr int BanksPerLine = 16; // 16-bit sizes in a 32-byte block

// The first `wanted` lines of the text; what follows them is never looked at.
std::vector<std::string_view> splitLines(std::string_view text, std::size_t wanted) {
    std::vector<std::string_view> lines;
    lines.reserve(wanted);
    while (!text.empty() && lines.size() < wanted) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// Stores hex digits from address on, two digits a byte, first digit in the
// high half; an odd last digit sets only the high half of its byte. At most
// maxDigits digits are stored.
void storeDigits(MemoryImage& image, std::uint32_t address, std::string_view digits,
                 std::size_t maxDigits) {
    const std::size_t count = std::min(digits.size(), maxDigits);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t at = address + static_cast<std::uint32_t>(i / 2);
        const auto value = static_cast<std::uint8_t>(hexDigitValue(digits[i]));
        const std::uint8_t old = image.byte(at);
        image.setByte(at, i % 2 == 0 ? static_cast<std::uint8_t>((value << 4) | (old & 0x0F))
                                     : static_cast<std::uint8_t>((old & 0xF0) | value));
    }
}

std::string hexAt(const MemoryImage& image, std::uint32_t address, std::size_t count) {
    return toHex(image.bytes().data() + address, count);
}

std::string lineName(int line) {
    return "line " + std::to_string(line + 1);
}

bool writeWhole(const std::string& path, const std::string& data, std::string& error) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out)
            out.write(data.data(), static_cast<std::streamsize>(data.size()));
        if (!out || !out.flush()) {
            error = "cannot write " + temporary + ": " + std::strerror(errno);
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot replace " + path + ": " + std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

bool applyCloneText(std::string_view text, MemoryImage& image, std::string& error) {
    const std::vector<std::string_view> lines =
        splitLines(text, static_cast<std::size_t>(CloneFileLines));
    if (lines.empty() || lines[0] != CloneHeader) {
        error = "not a clone file: line 1 is not \"" + std::string(CloneHeader) + "\"";
        return false;
    }
    if (lines.size() < static_cast<std::size_t>(CloneFileLines)) {
        error = "the clone file ends after " + std::to_string(lines.size()) +
                " lines; it must have " + std::to_string(CloneFileLines);
        return false;
    }
    if (lines[CloneFileLine::Trailer] != CloneTrailer) {
        error = "not a clone file: " + lineName(CloneFileLine::Trailer) + " is not \"" +
                std::string(CloneTrailer) + "\"";
        return false;
    }
    for (int i = 1; i < CloneFileLine::Trailer; ++i) {
        const bool note = i >= CloneFileLine::FirstBandNote && i < CloneFileLine::FirstBank;
        if (!note && !isHexText(lines[i])) {
            error = lineName(i) + " of the clone file is not hex text";
            return false;
        }
    }

    MemoryImage loaded = image;
    storeDigits(loaded, Addr::Settings, lines[CloneFileLine::SetLine1], 2 * RecordSize);
    storeDigits(loaded, Addr::Settings + RecordSize, lines[CloneFileLine::SetLine2],
                2 * RecordSize);
    for (int band = 0; band < BandCount; ++band)
        storeDigits(loaded, MemoryImage::vfoAddress(band), lines[CloneFileLine::FirstVfo + band],
                    2 * VfoRecordSize);
    for (int entry = 0; entry < EntryCount; ++entry)
        storeDigits(loaded, MemoryImage::entryAddress(entry),
                    lines[CloneFileLine::FirstEntry + entry], 2 * RecordSize);

    // The enable bitmap is spread over lines read as one text. Each bank line
    // is a block of its own whose bank sizes read as 0 where the line is
    // short, as the clone program reads them; the fixed words after bank 49
    // are stored only as far as the line has them.
    std::string enable;
    for (int i = 0; i < CloneFileLine::EnableCount; ++i)
        enable += lines[CloneFileLine::FirstEnable + i];
    storeDigits(loaded, Addr::EnableBitmap, enable, EnableDigits);
    for (int i = 0; i < CloneFileLine::BankCount; ++i) {
        const std::size_t sizeDigits =
            4 * static_cast<std::size_t>(std::min(BanksPerLine, BankCount - i * BanksPerLine));
        std::string digits(lines[CloneFileLine::FirstBank + i]);
        if (digits.size() < sizeDigits)
            digits.resize(sizeDigits, '0');
        storeDigits(loaded, Addr::BankTable + static_cast<std::uint32_t>(i * RecordSize), digits,
                    2 * RecordSize);
    }
    storeDigits(loaded, Addr::GroupBitmap, lines[CloneFileLine::Group], 2 * GroupBitmapArea);

    image = loaded;
    return true;
}

bool loadCloneFile(const std::string& path, MemoryImage& image, std::string& error) {
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) {
        error = "cannot open " + path + ": it is a directory";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    // Read in chunks and stop one chunk past the limit: a larger file is
    // refused without costing its size in memory.
    const auto limit = static_cast<std::size_t>(CloneFileMaxBytes);
    std::string content;
    char chunk[65536];
    while (content.size() <= limit && in.read(chunk, sizeof chunk).gcount() > 0)
        content.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    if (content.size() > limit) {
        error = path + " is too large for a clone file (a clone file is far below " +
                std::to_string(CloneFileMaxBytes / (1024 * 1024)) + " MiB)";
        return false;
    }
    if (!applyCloneText(content, image, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

std::string cloneText(const MemoryImage& image) {
    std::vector<std::string> lines;
    lines.reserve(CloneFileLines);
    lines.emplace_back(CloneHeader);
    lines.push_back(hexAt(image, Addr::Settings, RecordSize));
    lines.push_back(hexAt(image, Addr::Settings + RecordSize, RecordSize));
    for (int band = 0; band < BandCount; ++band)
        lines.push_back(hexAt(image, MemoryImage::vfoAddress(band), VfoRecordSize));
    for (int entry = 0; entry < EntryCount; ++entry)
        lines.push_back(hexAt(image, MemoryImage::entryAddress(entry), RecordSize));
    const std::string enable =
        hexAt(image, Addr::EnableBitmap, (EnableDigits + 1) / 2).substr(0, EnableDigits);
    for (int i = 0; i < CloneFileLine::EnableCount; ++i)
        lines.push_back(enable.substr(i * EnableSlotDigits, EnableSlotDigits));
    for (int i = CloneFileLine::FirstBandNote; i < CloneFileLine::FirstBank; ++i)
        lines.emplace_back();
    const std::string banks = hexAt(image, Addr::BankTable, BankTableSize);
    for (int i = 0; i < CloneFileLine::BankCount; ++i)
        lines.push_back(banks.substr(i * BankSlotDigits, BankSlotDigits));
    lines.push_back(hexAt(image, Addr::GroupBitmap, GroupBitmapSize));
    lines.emplace_back(CloneTrailer);

    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool saveCloneFile(const std::string& path, const MemoryImage& image, std::string& error) {
    return writeWhole(path, cloneText(image), error);
}

bool saveRawImage(const std::string& path, const MemoryImage& image, std::string& error) {
    const auto& bytes = image.bytes();
    return writeWhole(path, std::string(bytes.begin(), bytes.end()), error);
}

} // namespace mtz4::sim
