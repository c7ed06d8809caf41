#pragma once

#include <QSplashScreen>

namespace mtz4 {

// The window shown while the program starts: the title and the served
// models, drawn on a plain panel.
class frmSplash : public QSplashScreen {
    Q_OBJECT
public:
    frmSplash();

    // The drawn picture (also used by the tests).
    static QPixmap picture();
};

} // namespace mtz4
