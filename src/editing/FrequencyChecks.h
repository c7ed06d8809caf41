#pragma once

#include "model/DataSet.h"
#include "model/Prompter.h"

#include <QString>
#include <optional>

namespace mtz4 {

// The boxes take a comma as the decimal mark as they take a point
// (TypedNumericValue): "118,7" is 118.7 MHz.
//
// Outcome of checking the text of the frequency or offset box. `text` is what
// the box shows afterwards: the value reformatted when accepted, the stored
// value when refused. `message` is the message box to show for a refusal
// that has one (range violations are corrected silently); `reason` says in
// plain words why a refused value was refused ("a frequency outside 0.1 ..
// 1299.995 MHz"), for the status bar.
struct FieldCheck {
    bool accepted = false;
    QString text;
    std::optional<Prompt> message;
    QString reason;
};

// The message boxes of the frequency checks.
Prompt CellularPhonePrompt();
Prompt SearchPassDuplicatePrompt();

// The frequency typed for memory entry `entry`, under model ds.ModelIndex:
// 0.1 .. 1299.995 MHz, outside the cellular ranges on model 2, unique among
// the enabled Search Pass entries for a Search Pass entry (MemoryFrequencyRule,
// which imports and pastes keep as well). A refused text is
// replaced by the entry's stored frequency text, or "145.000000" for an
// entry without a frequency.
FieldCheck CheckMemoryFrequency(const DataSet& ds, int entry, const QString& typed);

// The frequency typed for VFO band `band`: inside the band's limits for model
// ds.ModelIndex and, for band 6 of model 2, outside the cellular ranges
// (VfoFrequencyRule). A
// refused text is replaced by the band's stored frequency text.
FieldCheck CheckVfoFrequency(const DataSet& ds, int band, const QString& typed);

// The offset typed for a memory entry (`memory` true) or VFO band: 0 up to
// but not including 100 MHz. A refused text is replaced by the stored offset.
// The result is always shown as "#0.000000".
FieldCheck CheckOffset(const DataSet& ds, bool memory, int index, const QString& typed);

// True when `text` is the frequency stored for the memory entry (`memory`
// true; an entry without a frequency has none) or VFO band `index`, or the
// offset stored for it. OK keeps a stored value as it stands even when it
// fails a check, so that an entry or band read that way can still be edited.
bool IsStoredFrequency(const DataSet& ds, bool memory, int index, const QString& text);
bool IsStoredOffset(const DataSet& ds, bool memory, int index, const QString& text);

// The status line of a refused value: where it was typed ("05-007
// Frequency"), what was typed and why it was refused.
QString RefusedValueText(const QString& where, const QString& typed, const QString& reason);

// The text restored for a refused memory frequency.
QString StoredMemoryFrequencyText(const DataSet& ds, int entry);

} // namespace mtz4
