#pragma once

#include <QString>

namespace mtz4 {

struct DataSet;

// The status bar's hint when the notes read better in another code page
// (BetterNoteCodePage): it names the menu item that shows them right, in
// the menu's own captions ("Tool > Note Code Page > Japanese (Shift-JIS,
// 932)"). Empty when there is nothing to hint. Nothing changes until the
// user chooses the item.
QString NoteCodePageHintText(const DataSet& ds);

// The status text with the hint added after what it says already, or with
// the hint taken out again.
QString WithNoteCodePageHint(const QString& status, const QString& hint);
QString WithoutNoteCodePageHint(const QString& status, const QString& hint);

} // namespace mtz4
