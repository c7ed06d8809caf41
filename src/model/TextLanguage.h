#pragma once

#include <QString>

namespace mtz4 {

// The language of the program's own texts. The translations installed at
// start decide it (the user's choice, or the system's language); the
// English texts in the code are the program's texts wherever no
// translation is installed.
enum class TextLanguage { English, Japanese, Other };

// The code of the program's language ("en", "ja", "de", ...): the language
// whose translations were installed at start, "en" before that.
QString ProgramLanguage();
void SetProgramLanguage(const QString& code);

// The program's language as far as the code tells languages apart (the
// note code page a new user starts with, for example).
TextLanguage ProgramTextLanguage();

// The language code of the system's locale ("ja" under ja_JP.UTF-8).
QString SystemLanguage();

} // namespace mtz4
