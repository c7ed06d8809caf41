#pragma once

class QAbstractItemView;

namespace mtz4 {

class MainMenus;

// The memory grid's context menu (right button, the menu key, Shift+F10):
// the Edit menu's commands for the selected rows, as the menu table made
// them, so that they keep their keys, texts and enabling rules.
void UseGridContextMenu(QAbstractItemView& grid, const MainMenus& menus);

} // namespace mtz4
