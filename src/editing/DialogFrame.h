#pragma once

#include <QDialog>

namespace mtz4 {

// The frame of a dialog of fixed size: a title bar with a close button,
// nothing to minimise or maximise.
inline void UseFixedDialogFrame(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
}

} // namespace mtz4
