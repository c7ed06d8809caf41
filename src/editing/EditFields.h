#pragma once

#include <QString>

namespace mtz4 {

// How many characters the boxes of the fields take as they are typed (a
// longer stored text is kept whole).
inline constexpr int FreqTypingLimit = 11;
inline constexpr int ShiftTypingLimit = 9;
inline constexpr int NoteTypingLimit = 30;
inline constexpr int NameTypingLimit = 6;

// The values of the edit dialog's controls, as OK stores them. A code of -1
// means "no button or item selected".
struct EditFields {
    QString freq;
    int mode = -1;
    int step = -1;
    int option = -1;
    int secret = -1;
    int carrier = -1;
    int tone = -1;
    int shiftDir = -1;
    QString shift;
    QString note;
    QString name;
    bool skip = false;
    bool enable = true;

    bool operator==(const EditFields&) const = default;
};

} // namespace mtz4
