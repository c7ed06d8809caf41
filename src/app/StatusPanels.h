#pragma once

#include <QObject>

class QLabel;
class QStatusBar;
class QTimer;

namespace mtz4 {

// The main window's status bar: three panels, a text panel that takes the
// room left, the current date and the current time, kept up to date.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    explicit StatusPanels(QStatusBar& bar);

    // Panels 0 (text), 1 (date) and 2 (time); nullptr for another index.
    QLabel* panel(int index) const;
    QString text() const;
    // The text panel's line; its tool tip shows it whole when the panel cuts it.
    void showText(const QString& text);

private:
    void updateClock();

    QLabel* panels_[3] = {};
    QTimer* clock_ = nullptr;
};

} // namespace mtz4
