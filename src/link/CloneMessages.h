#pragma once

#include "link/CloneMode.h"

namespace mtz4 {

class Prompter;

inline const QString SuccessMessage = QStringLiteral("Successed!!");
inline const QString ReadFailedMessage = QStringLiteral("Read Failed...");
inline const QString WriteFailedMessage = QStringLiteral("Write Failed...");
inline const QString RegionErrorMessage = QStringLiteral("Region Error");
inline const QString ComPortErrorMessage = QStringLiteral("COM Port Error");
inline const QString CommunicationErrorMessage = QStringLiteral("Communication Error");

// The message that ends a read for its result: "Successed!!", "Region Error"
// (RegionError) or "Read Failed..." (any other failure).
QString ReadEndMessage(LinkResult result);
// The same for a write, with "Write Failed...".
QString WriteEndMessage(LinkResult result);

// Shows the message that ends a clone command: "Successed!!" with the title
// "Success", any other as a failure message (title "ERROR"); nothing for an
// empty one.
void ShowEndMessage(Prompter& prompter, const QString& message);

// ShowEndMessage of ReadEndMessage(result).
void ShowReadResult(Prompter& prompter, LinkResult result);

} // namespace mtz4
