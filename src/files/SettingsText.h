#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

namespace mtz4 {

// The text of the per-user settings file, in the INI form of QSettings:
// sections of "key=value" lines, the keys of a group ("Recent/Files") under
// the group's section ([Recent]) and those outside any group under
// [General]; texts with C escapes and in quotes where needed, lists of texts
// separated by ", ", truth values and numbers as their text.

// The text for the values (texts, lists of texts, truth values, numbers).
QByteArray SettingsFileText(const QMap<QString, QVariant>& values);

// The values of such a text, as QSettings reads them: a text, a list of
// texts for a value of several items, nothing (an invalid value) for
// "@Invalid()". Lines that are neither a section nor a key are passed over.
QMap<QString, QVariant> ParseSettingsText(const QByteArray& text);

} // namespace mtz4
