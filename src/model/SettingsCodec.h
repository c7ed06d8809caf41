#pragma once

#include "model/DataSet.h"

#include <QString>

namespace mtz4 {

// SetLine1/SetLine2 to the settings record. Installs the model defaults when
// SetLine1 does not start with the marker "A5", and repairs out-of-range option
// bytes in the lines. Returns true when one of the controls whose change marks
// the data as changed got a new value; DataChanged is then set as well.
bool DecodeSettings(DataSet& ds);
// The settings record to new SetLine1 (64 digits) and SetLine2 (46 digits).
// Every byte is two upper-case hex digits; a value outside 0..255 (an option
// group with no selection, say) is written as its low 8 bits.
void EncodeSettings(DataSet& ds);

// True when `field`, a field of `s`, belongs to a control whose change marks
// the data as changed (a user's change or one that DecodeSettings makes).
bool MarksDataChanged(const SettingsRecord& s, const int& field);

// The default lines of the given model (ModelIndex).
QString DefaultSetLine1(int model);
QString DefaultSetLine2(int model);

// The line with byte k replaced by the two digits; the length is kept (digits
// that would fall beyond the end of a short line are left out).
QString PutByte(const QString& line, const QString& digits, int k);

} // namespace mtz4
