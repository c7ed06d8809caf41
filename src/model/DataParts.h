#pragma once

#include <QFlags>

namespace mtz4 {

// The parts of the data set a change touched; the views showing them redraw.
enum class DataPart : unsigned {
    Memory = 0x01,   // MemData, MemText, MemEnable
    Vfo = 0x02,      // VfoData, VfoText
    Banks = 0x04,    // bank sizes and the size boxes (and so the row labels)
    Groups = 0x08,   // group membership and the group boxes
    Settings = 0x10, // the settings record and lines
    Model = 0x20,    // the selected model (grid headers, model-only groups)
    Everything = 0x3F,
};
Q_DECLARE_FLAGS(DataParts, DataPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(DataParts)

} // namespace mtz4
