#pragma once

#include <QString>

namespace mtz4 {

// The option text shown for an entry's option text `option` under receiver
// model `model`: an option the model does not offer ("Scr" on any model but
// the MT-Z40E, "Train" on any but the MT-Z4J) shows as "OFF". The stored
// codes and texts are not changed.
QString ShownOptionText(const QString& option, int model);

} // namespace mtz4
