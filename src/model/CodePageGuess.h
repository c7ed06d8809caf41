#pragma once

#include "model/CodePage.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace mtz4 {

struct DataSet;

// Whether notes are shown in the code page they were written in. A file
// from a Japanese system read as Western shows "“Œ‹žƒ^ƒ[": such bytes read
// as runs of symbols and stray accented letters in the page they are shown
// in, but as clean kana and kanji in another. The guess names that other
// page only when the notes do not read well in `current` and exactly one
// offered page reads them clearly better: ASCII-only notes, text that reads
// well as it is, and bytes that read as nothing sensible anywhere (random
// bytes) give no guess. A wrong guess is worse than none.
std::optional<CodePage> BetterCodePage(const QList<QByteArray>& notes, CodePage current);

// The guess for the notes of a data set (memory entries and VFO records),
// from the bytes each note is written as.
std::optional<CodePage> BetterNoteCodePage(const DataSet& ds);

} // namespace mtz4
