#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace mtz4 {

// The folders that may hold the program's translations (mtz4clone_<code>.qm):
// "translations" beside the program (a Windows installation), the
// installation's share/mtz4clone/translations, and the build folder's
// translations.
QStringList TranslationFolders();

// The codes of the languages the program can show: "en" first, then every
// language it finds a translation of, in the order of their codes. A
// language is added by adding its translation, without a change of code.
QStringList AvailableLanguages();

// The language a start shows for `choice`: the chosen code when it is
// available, otherwise (no choice, or one no longer available) the system's
// language when it is available, otherwise "en".
QString StartLanguage(const QString& choice);

// Installs the translations of StartLanguage(choice): the toolkit's own
// (standard buttons, file dialogs) from its translations folder or from
// beside the program, the program's English forms of counted texts ("1
// entry", "2 entries"), then the program's texts in that language. Sets the
// program's language and returns its code.
QString InstallTranslations(QCoreApplication& application, const QString& choice);

} // namespace mtz4
