#pragma once

#include "files/CloneFileLayout.h"
#include "model/DataSet.h"
#include "model/Prompter.h"

#include <QByteArray>
#include <QString>

namespace mtz4 {

// The clone file (.MZ4): one complete data set as 2643 text lines ending in
// CR LF, between the header and trailer lines. The note lines are written and
// read as ISO-8859-1, so every byte of a note survives a load and a save.

inline constexpr int CloneFileLineCount = CloneFileLine::Count;

enum class CloneFileStatus {
    Ok,
    FileOpenError, // the file could not be opened, read or written, or it is too short
    DataError,     // the header or trailer line does not match
};

// The message the user sees for a failed status: "File Open Error" or "Data Error".
QString CloneFileMessage(CloneFileStatus status);

// The file's text for the data set. Runs the encoders first, so the settings
// lines, enable lines, bank lines (with the 1000-channel cut, shown in the
// size boxes) and the group line are rebuilt from the current data.
QByteArray CloneFileText(DataSet& ds);

// Decodes a clone file's text into the data set. Nothing is changed unless
// the text has all 2643 lines and the right header and trailer. Disabled
// entries come out empty, as after every refresh of the memory list.
// CurrentFile and DataChanged are left to the caller.
CloneFileStatus ParseCloneFileText(DataSet& ds, const QByteArray& text);

// Writes the data set to path. The old file is replaced only once the new one
// is complete, so a failed save leaves it intact. On success CurrentFile
// becomes path and DataChanged false; on failure both are unchanged.
CloneFileStatus SaveCloneFile(DataSet& ds, const QString& path);

// Loads the file at path (the load routine of Open and of the command-line
// file). On success CurrentFile becomes path and DataChanged false; on
// failure the data set is unchanged.
CloneFileStatus ReadCloneFile(DataSet& ds, const QString& path);

// The same two, reporting a failure through the prompter ("File Open Error"
// or "Data Error", title "ERROR"). They return true on success.
bool SaveCloneFile(DataSet& ds, const QString& path, Prompter& prompter);
bool LoadCloneFile(DataSet& ds, const QString& path, Prompter& prompter);

// The main window caption for a file: its name without the directory,
// " - ", and the application title.
QString FileCaption(const QString& path);

} // namespace mtz4
