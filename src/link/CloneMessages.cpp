#include "link/CloneMessages.h"

#include "model/Prompter.h"

#include <QCoreApplication>

namespace mtz4 {

namespace {

QString endMessage(LinkResult result, const QString& failed) {
    switch (result) {
    case LinkResult::Success:
        return SuccessMessage;
    case LinkResult::RegionError:
        return RegionErrorMessage;
    case LinkResult::Failure:
        break;
    }
    return failed;
}

} // namespace

QString ShownCloneMessage(const QString& message) {
    return QCoreApplication::translate("CloneMessages", message.toLatin1().constData());
}

void ShowCloneError(Prompter& prompter, const QString& message) {
    prompter.error(ShownCloneMessage(message));
}

QString ReadEndMessage(LinkResult result) {
    return endMessage(result, ReadFailedMessage);
}

QString WriteEndMessage(LinkResult result) {
    return endMessage(result, WriteFailedMessage);
}

void ShowEndMessage(Prompter& prompter, const QString& message) {
    if (message.isEmpty())
        return;
    if (message == SuccessMessage)
        prompter.success();
    else
        ShowCloneError(prompter, message);
}

void ShowReadResult(Prompter& prompter, LinkResult result) {
    ShowEndMessage(prompter, ReadEndMessage(result));
}

} // namespace mtz4
