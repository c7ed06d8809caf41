#pragma once

#include <QLatin1String>

// The fixed words of the CSV file, written by the export and looked for by
// the import.
namespace mtz4::CsvWord {

inline constexpr QLatin1String Model("MT-Z4"); // first field of every data line
inline constexpr QLatin1String Vfo("VFO");
inline constexpr QLatin1String Memory("MEMORY");
inline constexpr QLatin1String ProgramScan("PROGRAM SCAN");
inline constexpr QLatin1String SearchPass("SEARCH PASS");
inline constexpr QLatin1String Priority("PRIORITY");
inline constexpr QLatin1String BankAmount("BANK AMOUNT");
inline constexpr QLatin1String Group("GROUP");
inline constexpr QLatin1String TrueFlag("#TRUE#");
inline constexpr QLatin1String FalseFlag("#FALSE#");

} // namespace mtz4::CsvWord
