#pragma once

#include "app/ClonePages.h"

#include <QStringList>
#include <map>

namespace mtz4::test {

// ClonePages that record what the clone handlers asked of them.
class RecordingPages : public ClonePages {
public:
    void setButtonsEnabled(CloneButtons buttons, bool enabled) override {
        this->enabled[buttons] = enabled;
        log.append(QStringLiteral("%1 %2").arg(enabled ? "enable" : "disable").arg(int(buttons)));
    }
    void showProgress() override {
        progressVisible = true;
        log.append(QStringLiteral("show progress"));
    }
    void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void setProgressValue(int value) override { progressValues.append(value); }
    void hideProgress() override {
        progressVisible = false;
        log.append(QStringLiteral("hide progress"));
    }
    void rowLabelsRebuilt(const QStringList& labels) override {
        rowLabels = labels;
        log.append(QStringLiteral("row labels"));
    }
    void memoryListRefreshed() override { log.append(QStringLiteral("memory list")); }
    void vfoListRefreshed() override { log.append(QStringLiteral("vfo list")); }
    void settingsDecoded() override { log.append(QStringLiteral("settings")); }
    void banksShown() override { log.append(QStringLiteral("banks")); }
    void groupsShown() override { log.append(QStringLiteral("groups")); }
    int currentMemoryRow() const override { return currentRow; }
    void setCurrentMemoryRow(int row) override {
        currentRow = row;
        log.append(QStringLiteral("row %1").arg(row));
    }
    void selectWholeVfoGrid() override { log.append(QStringLiteral("select vfo grid")); }
    CloneTab currentTab() const override { return tab; }
    void selectTab(CloneTab t) override {
        tab = t;
        log.append(QStringLiteral("tab %1").arg(int(t)));
    }

    // True when no button group is left disabled.
    bool allButtonsEnabled() const {
        for (const auto& [buttons, on] : enabled)
            if (!on)
                return false;
        return true;
    }

    QStringList log;
    std::map<CloneButtons, bool> enabled;
    bool progressVisible = false;
    int progressMaximum = -1;
    QList<int> progressValues;
    QStringList rowLabels;
    int currentRow = 0;
    CloneTab tab = CloneTab::Settings1;
};

} // namespace mtz4::test
