#pragma once

class QCoreApplication;

namespace mtz4 {

// Gives the toolkit's own texts (the standard buttons, the file dialog, the
// context menus of text boxes) the language of the program's texts, from the
// translations the toolkit installs: Japanese on a Japanese system. Elsewhere
// the toolkit speaks English as the program does. Returns whether a
// translation was installed; without one the toolkit's English stays.
bool InstallToolkitTranslation(QCoreApplication& application);

} // namespace mtz4
