#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace mtz4 {

// The fields of an entry that a column of a CSV file with a header row can
// hold, and the words its header names them by.
enum class ColumnField {
    None,      // not imported
    Position,  // where the row goes as numbered: an entry number or a row label
    Frequency, // in MHz (or kHz, when the header says so)
    Mode,
    Step,
    Name,
    Note,
    Tone,   // a CTCSS tone: the Tone option with that tone
    Offset, // the shift: a signed offset, a direction ("+", "-", "Shift+"), or both
    Skip,
    List, // Memory, Program Scan, Search Pass or Priority
};
inline constexpr int ColumnFieldCount = int(ColumnField::List) + 1;

// What a header cell names: the field (None for a word of no field), how
// surely (0 the field's own word, "Name"; higher a weaker one, "Callsign"),
// and the factor its numbers take to MHz (0.001 when the header says kHz).
struct HeaderWord {
    ColumnField field = ColumnField::None;
    int rank = 0;
    double toMHz = 1.0;
};

// The words, in English, German or Japanese and any case, a unit in brackets
// or after them taken apart: "Frequency", "Freq (MHz)", "Frequenz [kHz]",
// "周波数"; "Mode", "Modus", "モード"; "Name", "Alpha Tag"; "Note", "Comment",
// "Description", "Bemerkung", "メモ"; "Tone", "CTCSS"; "Offset", "Shift",
// "Duplex", "Ablage"; "Step", "Schritt"; "Skip"; "List"; "Location",
// "Memory", "Speicherplatz" for the position. A "Channel" is a service's
// channel number (CB 9, marine 16), no position: it names no field.
HeaderWord HeaderWordOf(const QString& cell);

// The field's name on the command line and in its messages: "frequency",
// "none" ...; and the field of such a name (any case), none for no field.
QString ColumnFieldName(ColumnField field);
std::optional<ColumnField> ColumnFieldOfName(const QString& name);
// Every field's name, for a message: "none, position, frequency, ...".
QString ColumnFieldNames();

// The field as the window shows it: "Frequency", "(not imported)" ...
QString ColumnFieldCaption(ColumnField field);

} // namespace mtz4
