#include "files/CheckedFileWriter.h"

#include "files/FileAccess.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace mtz4 {

namespace {

// Makes the content durable before the rename; false with the system's
// words otherwise. Elsewhere QSaveFile's own sync at the commit stands.
bool syncToDisk([[maybe_unused]] QFileDevice& file, [[maybe_unused]] QString& error) {
#ifdef Q_OS_UNIX
    const int fd = file.handle();
    if (fd >= 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
        // EINVAL and EROFS: a file system that does not sync (a pipe has
        // been refused before, so these say nothing about the content).
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
#endif
    return true;
}

} // namespace

CheckedFileWriter::CheckedFileWriter(const QString& path) : path_(path), file_(path) {}

CheckedFileWriter::~CheckedFileWriter() {
    discard();
}

bool CheckedFileWriter::fail(const QString& reason) {
    reason_ = reason;
    discard();
    return false;
}

bool CheckedFileWriter::open() {
    reason_.clear();
    QString problem;
    if (!CheckPlace(path_, &problem))
        return fail(problem);
    // Unbuffered: a write that fails says so itself, instead of leaving
    // QSaveFile to find the failure at its flush and rename all the same.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(WriteFailureReason(path_, file_.errorString()));
    return true;
}

bool CheckedFileWriter::write(QByteArrayView bytes) {
    if (!file_.isOpen())
        return false;
    // A write the system cut short (a size limit reached part-way) is
    // written on from where it stopped, so that the system says why.
    while (!bytes.isEmpty()) {
        const qint64 written = file_.write(bytes.data(), bytes.size());
        if (written <= 0 || file_.error() != QFileDevice::NoError)
            return fail(WriteFailureReason(path_, file_.errorString()));
        bytes = bytes.sliced(written);
    }
    return true;
}

bool CheckedFileWriter::commit() {
    if (!file_.isOpen())
        return false;
    QString error;
    if (!file_.flush() || file_.error() != QFileDevice::NoError)
        return fail(WriteFailureReason(path_, file_.errorString()));
    if (!syncToDisk(file_, error))
        return fail(WriteFailureReason(path_, error));
    if (!file_.commit()) {
        reason_ = WriteFailureReason(path_, file_.errorString());
        return false;
    }
    return true;
}

void CheckedFileWriter::discard() {
    if (!file_.isOpen())
        return;
    // A commit after cancelWriting() removes the temporary file now, not
    // when the writer goes.
    file_.cancelWriting();
    file_.commit();
}

bool WriteFileChecked(const QString& path, QByteArrayView bytes, QString* reason) {
    CheckedFileWriter writer(path);
    const bool written = writer.open() && writer.write(bytes) && writer.commit();
    if (!written && reason)
        *reason = writer.reason();
    return written;
}

} // namespace mtz4
