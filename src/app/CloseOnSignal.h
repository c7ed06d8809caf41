#pragma once

#include <QObject>

class QWidget;

namespace mtz4 {

// Turns the signals that ask a program to end (SIGTERM from a logout, a
// system shutdown or `kill`; SIGINT from Ctrl+C in a terminal; SIGHUP) into
// the window's close request, so that the program ends as when its window
// is closed: with the question about unsaved changes, and with the INI file
// and the window placement written. Only one instance may exist at a time.
// On systems without these signals it does nothing.
class CloseOnSignal : public QObject {
    Q_OBJECT
public:
    explicit CloseOnSignal(QWidget& window);
    ~CloseOnSignal() override;
    CloseOnSignal(const CloseOnSignal&) = delete;
    CloseOnSignal& operator=(const CloseOnSignal&) = delete;

private:
    QWidget& window_;
};

} // namespace mtz4
