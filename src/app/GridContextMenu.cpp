#include "app/GridContextMenu.h"

#include "app/MainMenus.h"

#include <QAbstractItemView>
#include <QAction>
#include <QMenu>

namespace mtz4 {

namespace {

// The items of the menu, top to bottom; nullptr is a separator.
constexpr const char* Items[] = {
    "mnuEditUndo",    "mnuProperties",  nullptr,
    "mnuCut",         "mnuCopy",        "mnuPaste",
    nullptr,          "mnuFillDown",    "mnuFillFrequencies",
    nullptr,          "mnuMoveUp",      "mnuMoveDown",
    "mnuInsertEntry", "mnuDeleteEntry",
};

} // namespace

void UseGridContextMenu(QAbstractItemView& grid, const MainMenus& menus) {
    grid.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&grid, &QWidget::customContextMenuRequested, &grid,
                     [&grid, &menus](const QPoint& position) {
                         QMenu menu(&grid);
                         menu.setObjectName(QStringLiteral("gridContextMenu"));
                         for (const char* name : Items) {
                             if (!name)
                                 menu.addSeparator();
                             else if (QAction* action = menus.action(QLatin1String(name)))
                                 menu.addAction(action);
                         }
                         // From the keyboard the menu opens at the current cell.
                         QPoint at = position;
                         if (!grid.viewport()->rect().contains(at))
                             at = grid.visualRect(grid.currentIndex()).center();
                         menu.exec(grid.viewport()->mapToGlobal(at));
                     });
}

} // namespace mtz4
