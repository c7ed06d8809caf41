#pragma once

#include "files/CloneFileLayout.h"
#include "model/DataSet.h"
#include "model/Prompter.h"

#include <QByteArray>
#include <QString>

namespace mtz4 {

// The clone file (.MZ4): one complete data set as 2643 text lines ending in
// CR LF, between the header and trailer lines. The note lines are written and
// read in the data set's note code page; a note keeps the bytes it was read
// as until it is edited, so that it is written back byte for byte whatever
// the code page.

inline constexpr int CloneFileLineCount = CloneFileLine::Count;

enum class CloneFileStatus {
    Ok,
    FileOpenError, // the file could not be opened, read or written, or it is too short
    DataError,     // the header or trailer does not match, or a data line is not hex text
};

// The message the user sees for a failed status: "File Open Error" or "Data Error".
QString CloneFileMessage(CloneFileStatus status);

// The file's text for the data set. Runs the encoders first, so the settings
// lines, enable lines, bank lines (with the 1000-channel cut, shown in the
// size boxes) and the group line are rebuilt from the current data.
QByteArray CloneFileText(DataSet& ds);

// Every function below that can fail takes an optional `reason`: on failure
// it receives one line in plain words for the user, naming the file (or the
// line of the file) and what is wrong with it, to be shown beside the fixed
// message ("cannot write /home/u/radio.MZ4: No space left on device").

// Decodes a clone file's text into the data set. Nothing is changed unless
// the text has all 2643 lines, the right header and trailer, and data lines
// (settings, VFO, entry, enable, bank and group lines) of hex digits only,
// in either case; a data line shorter than usual is fine. Disabled entries
// come out empty, as after every refresh of the memory list. CurrentFile and
// DataChanged are left to the caller.
CloneFileStatus ParseCloneFileText(DataSet& ds, const QByteArray& text, QString* reason = nullptr);

// FileOpenError, with the reason in plain words, for a clone file text of
// `size` bytes meant for path that Open would refuse as too large.
CloneFileStatus CheckCloneFileSize(qint64 size, const QString& path, QString* reason = nullptr);

// Writes the data set to path. The old file is replaced only once the new one
// is complete, so a failed save leaves it intact, and never by a file too
// large to be opened again (CheckCloneFileSize). On success CurrentFile
// becomes path, DataChanged false and the partly-read and partly-imported
// marks are cleared; on failure all of them are unchanged.
CloneFileStatus SaveCloneFile(DataSet& ds, const QString& path, QString* reason = nullptr);

// The Save command's save onto CurrentFile. Refused (FileOpenError, nothing
// written) when the file there is no longer the one last loaded or saved:
// removed, or replaced by another program since. Save As, which names its
// file anew, writes with SaveCloneFile regardless.
CloneFileStatus SaveCurrentCloneFile(DataSet& ds, QString* reason = nullptr);

// Loads the file at path (the load routine of Open and of the command-line
// file). A file larger than CloneFileMaxBytes is refused unread. On success
// CurrentFile becomes path, DataChanged false and the partly-read and
// partly-imported marks are cleared; on failure the data set is unchanged. No input ends the
// program: running out of memory is a failure.
CloneFileStatus ReadCloneFile(DataSet& ds, const QString& path, QString* reason = nullptr);

// The same three, reporting a failure through the prompter: the message
// ("File Open Error" or "Data Error", title "ERROR"), then the reason through
// Prompter::explain(). They return true on success.
bool SaveCloneFile(DataSet& ds, const QString& path, Prompter& prompter);
bool SaveCurrentCloneFile(DataSet& ds, Prompter& prompter);
bool LoadCloneFile(DataSet& ds, const QString& path, Prompter& prompter);

// The main window caption for a file: its name without the directory,
// " - ", and the application title.
QString FileCaption(const QString& path);

} // namespace mtz4
