#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>
#include <functional>

class QWidget;

namespace mtz4 {

class CloneFileDialogs;

// Where a second window opens: to the right of `frame` when it fits there
// within `area`, otherwise a little below and to the right of it; fitted to
// `area` either way.
QRect PlacementBeside(const QRect& frame, const QRect& area);

// File > New Window and File > Open in New Window: a second window of the
// program, a process of its own, empty or on a chosen clone file, opened
// beside this one. Each window has its own data and undo history; they
// share the clipboard, the settings and the backups.
class NewWindowCommand : public QObject {
    Q_OBJECT
public:
    using StartProcess = std::function<bool(const QString& program, const QStringList& arguments,
                                            const QProcessEnvironment& environment)>;

    NewWindowCommand(QWidget& window, CloneFileDialogs& fileDialogs, QObject* parent = nullptr);

    // Starts a process without waiting for it; tests put their own in.
    StartProcess startProcess;
    // The available area of the screen this window is on; tests put their own in.
    std::function<QRect()> screenArea;

    // Starts the program anew, with `file` to open (empty: none). True when
    // the process started.
    bool openNewWindow(const QString& file = {});
    // Asks for a clone file, then opens it in a new window.
    bool openFileInNewWindow();

private:
    QWidget& window_;
    CloneFileDialogs& fileDialogs_;
};

} // namespace mtz4
