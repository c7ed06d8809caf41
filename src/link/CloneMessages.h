#pragma once

#include "link/CloneMode.h"

namespace mtz4 {

class Prompter;

// The message a read command shows for its result: "Successed!!",
// "Region Error" (RegionError) or "Read Failed..." (any other failure).
void ShowReadResult(Prompter& prompter, LinkResult result);
// The same for a write command, with "Write Failed...".
void ShowWriteResult(Prompter& prompter, LinkResult result);

inline const QString ReadFailedMessage = QStringLiteral("Read Failed...");
inline const QString WriteFailedMessage = QStringLiteral("Write Failed...");
inline const QString RegionErrorMessage = QStringLiteral("Region Error");
inline const QString ComPortErrorMessage = QStringLiteral("COM Port Error");
inline const QString CommunicationErrorMessage = QStringLiteral("Communication Error");

} // namespace mtz4
