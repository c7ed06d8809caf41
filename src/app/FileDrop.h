#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace mtz4 {

class CloneCommands;
class CommandHost;
class FileCommands;

// What a file dropped on the window is taken for, by its extension (any
// case): a clone file (.MZ4), a CSV file (.csv), or neither.
enum class DroppedFile { Clone, Csv, Refused };
DroppedFile DroppedFileOf(const QString& path);

// Files dropped on the main window: a clone file opens as File > Open would
// (with the question about unsaved changes), a CSV file is imported as
// File > Import would (our CSV, CHIRP's or one with a header row, as its
// lines say, through the import dialog);
// anything else, more than one file, or a drop during a transfer is refused
// with a note in the status bar.
class FileDrop : public QObject {
    Q_OBJECT
public:
    FileDrop(QWidget& window, FileCommands& files, CloneCommands& clone, CommandHost& host);

    // Takes a dropped file as above. True when it was opened or imported.
    bool drop(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refuse(const QString& why);

    FileCommands& files_;
    CloneCommands& clone_;
    CommandHost& host_;
};

} // namespace mtz4
