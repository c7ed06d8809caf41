#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace mtz4 {

// The one way the programs write a file. The new content goes into a
// temporary file beside the old one; every write, the flush and the sync to
// disk are checked, and only a complete file is renamed into place. On any
// failure the temporary file is removed at once, the old file stays as it
// was, byte for byte, and reason() says why in plain words, with what the
// system said ("cannot write /home/u/radio.MZ4: No space left on device").
//
// A place that can hold no file is refused before anything is written: a
// missing folder, a folder in the file's place, and a device, pipe or socket
// there (which would otherwise block the program or swallow the content).
// A symbolic link is followed: the file it points to is replaced.
class CheckedFileWriter {
public:
    explicit CheckedFileWriter(const QString& path);
    // Discards the content unless it was committed.
    ~CheckedFileWriter();
    CheckedFileWriter(const CheckedFileWriter&) = delete;
    CheckedFileWriter& operator=(const CheckedFileWriter&) = delete;

    // Starts the temporary file. False with the reason when the place takes
    // no file.
    bool open();
    // Appends bytes, straight to the system (nothing waits in a buffer to
    // fail later). The first failure discards the temporary file; every
    // call after it fails too.
    bool write(QByteArrayView bytes);
    // Syncs the content to disk and renames it into place.
    bool commit();
    // Drops the temporary file; the old file stays.
    void discard();

    const QString& path() const { return path_; }
    bool isOpen() const { return file_.isOpen(); }
    // Why the last call failed; empty while nothing failed.
    const QString& reason() const { return reason_; }

private:
    bool fail(const QString& reason);

    QString path_;
    QSaveFile file_;
    QString reason_;
};

// Writes `bytes` as the file at path through a CheckedFileWriter. False,
// with the reason in `reason` when given, when it could not be done.
bool WriteFileChecked(const QString& path, QByteArrayView bytes, QString* reason = nullptr);

} // namespace mtz4
