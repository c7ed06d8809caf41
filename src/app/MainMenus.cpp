#include "app/MainMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace mtz4 {

namespace {

bool Enabled(EnabledWhen rule, const MenuState& s) {
    switch (rule) {
    case EnabledWhen::Always:
        return true;
    case EnabledWhen::Idle:
        return !s.transferRunning;
    case EnabledWhen::IdleOnMemoryPage:
        return !s.transferRunning && s.onMemoryPage;
    case EnabledWhen::IdleOnGridPage:
        return !s.transferRunning && s.onGridPage;
    case EnabledWhen::Never:
        return false;
    case EnabledWhen::CanUndo:
        return !s.transferRunning && s.canUndo;
    case EnabledWhen::CanRedo:
        return !s.transferRunning && s.canRedo;
    }
    return false;
}

} // namespace

MainMenus::MainMenus(QMainWindow& window, const std::vector<MenuEntry>& entries,
                     const std::vector<ToolButton>& buttons) {
    using Kind = MenuEntry::Kind;
    for (const MenuEntry& e : entries) {
        const QString name = QLatin1String(e.name);
        // The caption is the text number until ApplyResourceTexts puts the
        // text of the user's language in.
        const QString caption = e.text ? QString::number(e.text) : QString();
        QMenu* parent = e.parent ? menus_.value(QLatin1String(e.parent)) : nullptr;
        QAction* action = nullptr;
        switch (e.kind) {
        case Kind::Menu: {
            QMenu* menu = parent ? parent->addMenu(caption) : window.menuBar()->addMenu(caption);
            menu->setObjectName(name);
            menus_.insert(name, menu);
            action = menu->menuAction();
            if (e.aboutToShow)
                QObject::connect(menu, &QMenu::aboutToShow, menu,
                                 [menu, show = e.aboutToShow] { show(menu); });
            break;
        }
        case Kind::Separator:
            parent->addSeparator();
            continue;
        case Kind::Item:
            action = parent->addAction(caption);
            break;
        case Kind::Shortcut:
            action = new QAction(&window);
            window.addAction(action);
            break;
        }
        action->setObjectName(name);
        action->setShortcuts(e.keys);
        if (e.toggled) {
            action->setCheckable(true);
            QObject::connect(action, &QAction::toggled, &window, e.toggled);
        }
        if (e.triggered)
            QObject::connect(action, &QAction::triggered, &window, e.triggered);
        actions_.insert(name, action);
        rules_.append({action, e.enabled});
    }
    addToolBar(window, buttons);
    update({});
}

void MainMenus::addToolBar(QMainWindow& window, const std::vector<ToolButton>& buttons) {
    toolBar_ = window.addToolBar(QCoreApplication::translate("MainMenus", "Tool Bar"));
    toolBar_->setObjectName(QStringLiteral("tbToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The toolbar is switched by View > Tool Bar only, not by its context menu.
    toolBar_->toggleViewAction()->setEnabled(false);
    window.setContextMenuPolicy(Qt::NoContextMenu);
    for (const ToolButton& b : buttons) {
        if (b.key.isEmpty()) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = toolBar_->addAction(window.style()->standardIcon(b.icon), b.key);
        action->setObjectName(QStringLiteral("tb_") + b.key);
        action->setData(b.key);
        action->setToolTip(QString::number(b.tip));
        QObject::connect(action, &QAction::triggered, &window, b.run);
        rules_.append({action, EnabledWhen::Idle});
    }
}

void MainMenus::update(const MenuState& state) {
    for (const auto& [action, rule] : rules_)
        action->setEnabled(Enabled(rule, state));
}

} // namespace mtz4
