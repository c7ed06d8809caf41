#pragma once

#include <QFont>
#include <QString>
#include <array>
#include <optional>

class QTableView;

namespace mtz4 {

// Layout shared by the memory grid and the VFO grid. Grid column 0 is the
// row-label column, columns 1..11 the display columns of a record.
inline constexpr int GridColumns = 12;

// The header row of both grids, as laid out when the main window loads.
inline constexpr const char* GridFormatString =
    "|Frequency|Mode|Step|Option|Skip|Carrier|Tone|Shift|ShiftFreq.|Note|Name;";

// Grid column numbers (0 is the row label).
namespace GridCol {
enum : int {
    Label = 0,
    Frequency = 1,
    Mode = 2,
    Step = 3,
    Option = 4,
    Skip = 5,
    Model = 6, // "Carrier", "Scr" or "-" by model
    Tone = 7,
    Shift = 8,
    ShiftFreq = 9,
    Note = 10,
    Name = 11,
};
} // namespace GridCol

// Column widths in twips; 0 hides the column.
inline constexpr std::array<int, GridColumns> MemoryGridWidths{600, 1035, 480, 705, 555,  390,
                                                               675, 705,  540, 870, 1055, 1000};
inline constexpr std::array<int, GridColumns> VfoGridWidths{500, 1035, 480, 705, 555,  0,
                                                            675, 705,  540, 870, 1055, 0};

// The header texts of grid columns 0..11 taken from GridFormatString, in
// the program's language (column 0 has an empty title).
std::array<QString, GridColumns> GridHeaderTexts();

// Header of grid column 6: "Carrier" for model 0, "Scr" for model 1, "-" otherwise.
QString ModelColumnHeader(int model);

// The font of the Note column: the Japanese gothic font the layout was made
// with, or the first installed one like it; none where no such font is
// installed, and the Note column then keeps the grid's own font.
std::optional<QFont> NoteColumnFont();

// Lays out a grid view whose vertical header is grid column 0 (wide enough
// for `widestRowLabel`) and whose
// view column c is grid column c + 1: column widths from `widths` (twips,
// scaled to the view's screen, widened where the font needs it so that the
// usual texts are not cut short; width 0 hides the column), fixed row heights,
// text of 8 points, no cell editing, no word wrap.
void ApplyGridLayout(QTableView& view, const std::array<int, GridColumns>& widths,
                     const QString& widestRowLabel);

} // namespace mtz4
