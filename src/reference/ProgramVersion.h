#pragma once

namespace mtz4 {

// The version of the three programs, from the project's build files.
inline constexpr char ProgramVersion[] = MTZ4_VERSION;

} // namespace mtz4
