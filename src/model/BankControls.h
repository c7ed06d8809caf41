#pragma once

#include "model/Limits.h"

#include <QString>
#include <array>

namespace mtz4 {

// The state of the controls of the "Bank" page: the 50 bank size boxes, the
// 550 group check boxes and the total label. The bank page binds to it; the
// bank and group codecs, the row labels and the channel-total check read it.
struct BankControls {
    std::array<QString, BankCount> txtBank;  // text of each size box, as typed
    std::array<int, GroupBoxCount> chkGrp{}; // chkGrp(50r + b): 1 = checked; row 0 never shown
    QString lblAll = QStringLiteral("1000"); // caption of the total label

    bool operator==(const BankControls&) const = default;
};

} // namespace mtz4
