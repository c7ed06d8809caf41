#pragma once

#include <QAction>
#include <QWidget>

namespace mtz4::test {

// The window's action of the given object name: a menu item ("mnuReAll"), a
// toolbar button ("tb_開く") or a key of its own ("mnuFindNext"). Null, with
// a warning, when the window has none.
inline QAction* action(QWidget& window, const char* name) {
    QAction* found = window.findChild<QAction*>(QString::fromUtf8(name));
    if (!found)
        qWarning("no action %s", name);
    return found;
}

} // namespace mtz4::test
