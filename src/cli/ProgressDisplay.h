#pragma once

#include "link/CloneProgress.h"

#include <QString>

namespace mtz4::cli {

// The tool's view of a clone read or write: a progress line on standard
// error while memory entries are transferred, redrawn in place ("\r") when
// the percentage changes. Shows nothing when disabled (standard error is no
// terminal, or --quiet).
class ProgressDisplay : public CloneProgress {
public:
    // `action` names the transfer: "reading memory entries".
    ProgressDisplay(const QString& action, bool enabled);
    ~ProgressDisplay() override;

    void showProgress() override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    void hideProgress() override;

    // Ends a progress line on the terminal so that a message can follow.
    void endLine();

private:
    void draw();

    QString action_;
    bool enabled_;
    bool visible_ = false;
    bool lineOpen_ = false;
    int maximum_ = 0;
    int value_ = 0;
    int drawnPercent_ = -1;
};

// True when standard error is a terminal.
bool stderrIsTerminal();

} // namespace mtz4::cli
