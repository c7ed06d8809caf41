#pragma once

#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QString>
#include <QStyle>
#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace mtz4 {

// When a menu item or toolbar button can be used.
enum class EnabledWhen {
    Always,
    Idle,             // no clone command running
    IdleOnMemoryPage, // the memory list's commands
    IdleOnGridPage,   // Modify: on "Settings 1" (VFO grid) or "Memory"
    Never,            // Print Setup: there, but never enabled
    CanUndo,          // idle, with a step to undo
    CanRedo,          // idle, with a step to redo
};

// One line of the menu table: a menu of the menu bar, a submenu, an item, a
// separator, or a key of the window's own that has no menu item (F3).
struct MenuEntry {
    enum class Kind { Menu, Item, Separator, Shortcut };
    Kind kind = Kind::Item;
    const char* parent = nullptr; // the menu it goes in; for a Menu without one, the menu bar
    const char* name = nullptr;   // object name
    int text = 0;                 // text number (both languages); 0: set by the program
    QList<QKeySequence> keys{};
    EnabledWhen enabled = EnabledWhen::Always;
    std::function<void()> triggered{};
    std::function<void(bool)> toggled{};       // set: the item carries a check mark
    std::function<void(QMenu*)> aboutToShow{}; // a menu whose items are made as it opens
};

// One button of the toolbar, left to right: its key, picture, tool tip text
// number and command. An empty key is a separator.
struct ToolButton {
    QString key;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    int tip = 0;
    std::function<void()> run{};
};

// What the enabling rules look at.
struct MenuState {
    bool transferRunning = false;
    bool onMemoryPage = false;
    bool onGridPage = false;
    bool canUndo = false;
    bool canRedo = false;
};

// The main window's menu bar and toolbar, built from one table of entries
// (text number, keys, command, enabling rule) and one of buttons. The texts
// are put in by ApplyResourceTexts from the text numbers.
class MainMenus {
public:
    MainMenus(QMainWindow& window, const std::vector<MenuEntry>& entries,
              const std::vector<ToolButton>& buttons);

    QAction* action(const QString& name) const { return actions_.value(name); }
    QMenu* menu(const QString& name) const { return menus_.value(name); }
    QToolBar* toolBar() const { return toolBar_; }
    // Enables every item and button by its rule.
    void update(const MenuState& state);

private:
    void addToolBar(QMainWindow& window, const std::vector<ToolButton>& buttons);

    QMap<QString, QAction*> actions_;
    QMap<QString, QMenu*> menus_;
    QList<QPair<QAction*, EnabledWhen>> rules_;
    QToolBar* toolBar_ = nullptr;
};

} // namespace mtz4
