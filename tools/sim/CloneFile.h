#pragma once

#include "MemoryImage.h"
#include "files/CloneFileLayout.h"

#include <string>
#include <string_view>

namespace mtz4::sim {

// The clone file (.MZ4): 2643 text lines ending in CR LF, between a header
// and a trailer line, holding the settings lines, the VFO and entry records,
// the enable bitmap, the note texts (not kept by the receiver), the bank
// table and the group bitmap.
inline constexpr std::string_view CloneHeader = "Orlenk  MT-Z4  Clone  File Start";
inline constexpr std::string_view CloneTrailer = "Orlenk  MT-Z4  Clone  File   End";
inline constexpr int CloneFileLines = CloneFileLine::Count;

// Puts the contents of a clone file into the image. Each hex line goes to
// its place (a line shorter than its area leaves the rest of the area as it
// was; digits beyond the area are ignored; the enable lines are one text,
// each bank line a block of its own whose missing bank sizes read as 0, as
// the clone program reads them); the note lines are ignored; lines
// after the trailer are ignored. A file with a wrong header or trailer, fewer
// than 2643 lines, or a data line that is not hex text is refused with a
// message in error, and the image is left unchanged.
bool applyCloneText(std::string_view text, MemoryImage& image, std::string& error);
bool loadCloneFile(const std::string& path, MemoryImage& image, std::string& error);

// The image as a clone file, note lines empty. Line widths are those the
// clone program writes, except that the second settings line carries all
// 32 bytes, as a clone read gives it.
std::string cloneText(const MemoryImage& image);
// Writes cloneText to a temporary file beside path and renames it into place.
bool saveCloneFile(const std::string& path, const MemoryImage& image, std::string& error);

// Writes the 64 KiB image as it is, the same way.
bool saveRawImage(const std::string& path, const MemoryImage& image, std::string& error);

} // namespace mtz4::sim
