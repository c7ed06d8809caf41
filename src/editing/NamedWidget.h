#pragma once

#include <QString>

namespace mtz4 {

// Gives a new control the name of the control it stands for (its object
// name), so that tests and the text table can find it, and returns it.
template <typename W> W* Named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace mtz4
