#pragma once

#include <QString>

namespace mtz4 {

// The language of the program's own texts: Japanese on a system whose
// locale is Japanese, English everywhere else. The specified texts (menu
// captions, messages) come in the forms the program has always had; every
// text added beyond them exists in both languages.
enum class TextLanguage { English, Japanese };

TextLanguage SystemTextLanguage();

// The text in the user's language: `japanese` (UTF-8) on a Japanese system,
// `english` elsewhere.
QString InLanguage(const char* english, const char* japanese);

// A count with its noun, singular for one: "1 difference", "3 differences".
QString Counted(qsizetype count, const QString& one, const QString& many);

} // namespace mtz4
