#pragma once

#include "link/CloneMode.h"

#include <QtGlobal>

namespace mtz4 {

class Prompter;

// The messages that end a clone command, in English: an outcome carries
// them and callers compare them; ShownCloneMessage gives the text to show.
inline const QString SuccessMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("CloneMessages", "Successed!!"));
inline const QString ReadFailedMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("CloneMessages", "Read Failed..."));
inline const QString WriteFailedMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("CloneMessages", "Write Failed..."));
inline const QString RegionErrorMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("CloneMessages", "Region Error"));
inline const QString ComPortErrorMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("CloneMessages", "COM Port Error"));
inline const QString CommunicationErrorMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("CloneMessages", "Communication Error"));
// A write refused before anything is sent: the banks do not add up.
inline const QString BankTotalMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("CloneMessages", "Total CH must be 1000"));

// One of the messages above in the user's language.
QString ShownCloneMessage(const QString& message);

// Shows one of the messages above, translated, as a failure message.
void ShowCloneError(Prompter& prompter, const QString& message);

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
