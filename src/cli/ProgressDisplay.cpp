#include "cli/ProgressDisplay.h"

#include <cstdio>
#include <unistd.h>

namespace mtz4::cli {

namespace {

constexpr int BarWidth = 30;

} // namespace

bool stderrIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

ProgressDisplay::ProgressDisplay(const QString& action, bool enabled)
    : action_(action), enabled_(enabled) {}

ProgressDisplay::~ProgressDisplay() {
    endLine();
}

void ProgressDisplay::showProgress() {
    visible_ = true;
    drawnPercent_ = -1;
    draw();
}

void ProgressDisplay::setProgressMaximum(int maximum) {
    maximum_ = maximum;
    draw();
}

void ProgressDisplay::setProgressValue(int value) {
    value_ = value;
    draw();
}

void ProgressDisplay::hideProgress() {
    visible_ = false;
    endLine();
}

void ProgressDisplay::endLine() {
    if (!lineOpen_)
        return;
    std::fputc('\n', stderr);
    std::fflush(stderr);
    lineOpen_ = false;
    drawnPercent_ = -1;
}

void ProgressDisplay::draw() {
    if (!enabled_ || !visible_ || maximum_ <= 0)
        return;
    const int percent = static_cast<int>(100LL * qBound(0, value_, maximum_) / maximum_);
    if (percent == drawnPercent_)
        return;
    drawnPercent_ = percent;
    const int filled = percent * BarWidth / 100;
    const QByteArray bar = QByteArray(filled, '#') + QByteArray(BarWidth - filled, '.');
    std::fprintf(stderr, "\rmtz4ctl: %s [%s] %3d%%", action_.toLocal8Bit().constData(),
                 bar.constData(), percent);
    std::fflush(stderr);
    lineOpen_ = true;
}

} // namespace mtz4::cli
