#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace mtz4 {

// The whole content of the regular file at path; nothing when there is no
// such file or it cannot be read, with the reason in `reason` when given. A
// device or a pipe is refused unopened: reading it could block for ever.
std::optional<QByteArray> ReadFileBytes(const QString& path, QString* reason = nullptr);

} // namespace mtz4
