#pragma once

#include "model/TextLanguage.h"

#include <QString>

class QWidget;

namespace mtz4 {

// The numbered texts of the main window's menus and toolbar, in English and
// in Japanese. Controls are built with a text number where their caption or
// tool tip goes; ApplyResourceTexts puts the text of the user's language in.

// The text with the given number, or an empty string for an unknown number.
QString ResourceText(int number, TextLanguage language);

// Replaces text numbers by their texts in the window and its children:
// - the window title, when the window's "tag" property holds a number;
// - every action (menu items, submenus, toolbar buttons) whose text or tool
//   tip is a number;
// - every tab of a tab widget whose text or tool tip is a number;
// - every other widget whose "tag" property holds a number gets that text as
//   its caption (labels, buttons), and one whose tool tip is a number gets
//   the text as tool tip.
// Anything that is not a known number is left as it is.
void ApplyResourceTexts(QWidget* window, TextLanguage language);

} // namespace mtz4
