#pragma once

// Sizes of the receiver memory image and of the tables decoded from it.
namespace mtz4 {

inline constexpr int EntryCount = 1300;   // memory entries 0..1299
inline constexpr int ChannelCount = 1000; // entries 0..999 are the memory channels
inline constexpr int FirstProgramScanEntry = 1000;
inline constexpr int FirstSearchPassEntry = 1100;
inline constexpr int FirstPriorityEntry = 1200;
inline constexpr int MemColumns = 12;
inline constexpr int BandCount = 14;
inline constexpr int VfoColumns = 11;
inline constexpr int BankCount = 50;
inline constexpr int GroupRows = 11; // row 0 is never shown, rows 1..10 are GRP1..GRP9, GRP-B
inline constexpr int GroupBoxCount = GroupRows * BankCount; // chkGrp 0..549
inline constexpr int ModelCount = 4;                        // MT-Z4J, MT-Z40E, MT-Z40T, MT-Z40K

// Frequencies an entry may hold, in MHz (both limits included), and the
// limit that offsets stay below.
inline constexpr double LowestFrequency = 0.1;
inline constexpr double HighestFrequency = 1299.995;
inline constexpr double OffsetLimit = 100.0;

// Column numbers shared by MemData/MemText and VfoData/VfoText.
namespace Col {
enum : int {
    Freq = 0,     // frequency in MHz
    Mode = 1,     // 0 FM, 1 AM, 2 WFM
    Step = 2,     // StepList index
    Option = 3,   // 0 off, 1 train, 2 tone, 3 reverse, 4 secret
    Secret = 4,   // secret code 0..28
    Carrier = 5,  // carrier code 0..28 (28 = "JR")
    Tone = 6,     // ToneList index
    ShiftDir = 7, // 0 off, 1 plus, 2 minus
    Shift = 8,    // offset frequency in MHz
    Note = 9,     // PC-only note (text only)
    Name = 10,    // 6-character name (text only)
    Skip = 11,    // skip flag 0/1 (memory entries only)
};
} // namespace Col

// Receiver models, by the index of the model option buttons.
namespace Model {
enum : int { MTZ4J = 0, MTZ40E = 1, MTZ40T = 2, MTZ40K = 3 };
} // namespace Model

} // namespace mtz4
