#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace mtz4 {

// Why a file cannot be read or written, in plain words for the user: the
// path and the reason, shown beside the fixed "File Open Error".

// Checks that the place can hold the file: a name is given, the folder
// exists, no folder, device or pipe stands at path, and a file there may be
// replaced. False with the reason otherwise.
bool CheckPlace(const QString& path, QString* reason = nullptr);

// Checks, before any work that would be lost, that a file can be written at
// path: the path is no folder, its folder exists and takes a new file, and an
// existing file there may be replaced. False with the reason otherwise.
bool CheckWritable(const QString& path, QString* reason = nullptr);

// The reason a file could not be written at path; systemError is what the
// system said (QFileDevice::errorString()), used when nothing plainer fits.
QString WriteFailureReason(const QString& path, const QString& systemError);

// The reason a file could not be opened or read at path, likewise.
QString ReadFailureReason(const QString& path, const QString& systemError);

// Something other than a file or a folder exists at path: a device, a pipe
// or a socket, whose opening could block the program or never end.
bool IsSpecialFile(const QString& path);

// The two paths name one existing file, through symbolic links and hard
// links alike (the same device and inode; elsewhere the same canonical path).
bool SameFile(const QString& a, const QString& b);

// Why an output is refused that would replace `input`, a file the command
// reads (the same file as SameFile finds it), in plain words.
QString OutputReplacesInput(const QString& output, const QString& input);

// The lock file at path (QLockFile), taken within waitMs; null when it
// cannot be had. Something other than a file in its place is left alone: a
// pipe would block the look at whether an old lock is stale.
std::unique_ptr<QLockFile> TakeLockFile(const QString& path, int waitMs);

// The path as the user's system writes it.
QString DisplayPath(const QString& path);

} // namespace mtz4
