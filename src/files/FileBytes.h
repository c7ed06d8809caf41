#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace mtz4 {

// The whole content of the regular file at path; nothing when there is no
// such file or it cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path);

// Writes bytes as the file at path. An existing file is replaced only once
// the new one is complete, so a failed write leaves it intact.
bool SaveFileBytes(const QString& path, const QByteArray& bytes);

} // namespace mtz4
