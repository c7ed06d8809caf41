#pragma once

#include "link/CloneProgress.h"

#include <QList>

namespace mtz4::test {

// A CloneProgress that records what the operations reported.
class RecordingProgress : public CloneProgress {
public:
    void showProgress() override { visible = true; }
    void setProgressMaximum(int m) override { maximum = m; }
    void setProgressValue(int value) override { values.append(value); }
    void hideProgress() override { visible = false; }
    void memoryPartStarting() override { ++memoryParts; }

    bool visible = false;
    int maximum = -1;
    QList<int> values;
    int memoryParts = 0;
};

} // namespace mtz4::test
