#pragma once

#include "app/ClonePages.h"
#include "app/TransferStatus.h"

class QLabel;
class QTabWidget;

namespace mtz4 {

class BankPage;
class MemoryPage;
class Settings1Page;
class Settings2Page;

// The main window as its clone handlers see it: their buttons, the progress
// bar and its status text, the grids, the pages and the tabs.
//
// The window disables every command for the whole of a clone command, so
// the handlers' own button switching only ever disables here; the window
// enables the buttons again when the command has ended.
class WindowCloneView : public ClonePages {
public:
    struct Parts {
        QTabWidget* tabs = nullptr;
        Settings1Page* settings1 = nullptr;
        Settings2Page* settings2 = nullptr;
        MemoryPage* memory = nullptr;
        BankPage* bank = nullptr;
        QLabel* statusText = nullptr;
    };
    explicit WindowCloneView(const Parts& parts) : parts_(parts) {}

    // The status text of a command that starts and of one that has ended
    // (`portProblem`: why the port failed, when it did).
    void begin(const QString& name, bool reading, const QString& port);
    void end(bool succeeded, bool cancelled, const QStringList& messages,
             const QString& portProblem);

    void setButtonsEnabled(CloneButtons buttons, bool enabled) override;
    void showProgress() override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    void hideProgress() override;
    void rowLabelsRebuilt(const QStringList& labels) override;
    void memoryListRefreshed() override;
    void vfoListRefreshed() override;
    void settingsDecoded() override;
    void banksShown() override;
    void groupsShown() override;
    int currentMemoryRow() const override;
    void setCurrentMemoryRow(int row) override;
    void selectWholeVfoGrid() override;
    CloneTab currentTab() const override;
    void selectTab(CloneTab tab) override;

private:
    Parts parts_;
    TransferStatus status_;
    bool reading_ = true;
};

} // namespace mtz4
