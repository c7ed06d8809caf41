#pragma once

#include <QString>

namespace mtz4 {

// Why a file cannot be read or written, in plain words for the user: the
// path and the reason, shown beside the fixed "File Open Error".

// Checks, before any work that would be lost, that a file can be written at
// path: the path is no folder, its folder exists and takes a new file, and an
// existing file there may be replaced. False with the reason otherwise.
bool CheckWritable(const QString& path, QString* reason = nullptr);

// The reason a file could not be written at path; systemError is what the
// system said (QFileDevice::errorString()), used when nothing plainer fits.
QString WriteFailureReason(const QString& path, const QString& systemError);

// The reason a file could not be opened or read at path, likewise.
QString ReadFailureReason(const QString& path, const QString& systemError);

// The path as the user's system writes it.
QString DisplayPath(const QString& path);

} // namespace mtz4
