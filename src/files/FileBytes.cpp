#include "files/FileBytes.h"

#include "files/FileAccess.h"

#include <QFile>
#include <QFileInfo>

namespace mtz4 {

std::optional<QByteArray> ReadFileBytes(const QString& path, QString* reason) {
    QFile file(path);
    const auto failed = [&]() -> std::optional<QByteArray> {
        if (reason)
            *reason = ReadFailureReason(path, file.errorString());
        return std::nullopt;
    };
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return failed();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failed();
    return bytes;
}

} // namespace mtz4
