#include "link/Retry.h"

#include "link/CloneMessages.h"
#include "link/Commands.h"
#include "link/Link.h"
#include "model/Prompter.h"

namespace mtz4 {

DataLoop retryData(Link& link, const QString& command, int maxAttempts) {
    DataLoop loop;
    while (loop.attempts < maxAttempts) {
        ++loop.attempts;
        loop.reply = link.SendQZData(command);
        if (isDataReply(loop.reply)) {
            loop.end = LoopEnd::Done;
            return loop;
        }
        if (loop.reply == ReplyPortError) {
            loop.end = LoopEnd::PortFailure;
            return loop;
        }
    }
    loop.end = LoopEnd::RetriesExhausted;
    return loop;
}

AckLoop retryAck(Link& link, const QString& command, int maxAttempts) {
    AckLoop loop;
    while (loop.attempts < maxAttempts) {
        ++loop.attempts;
        loop.lastCode = link.SendQZAck(command);
        switch (loop.lastCode) {
        case AckCode::AckOk:
            loop.end = LoopEnd::Done;
            return loop;
        case AckCode::AckPortError:
            loop.end = LoopEnd::PortFailure;
            return loop;
        case AckCode::AckRefused:
            loop.end = LoopEnd::Refused;
            return loop;
        case AckCode::AckBad:
        case AckCode::AckShort:
            break;
        }
    }
    loop.end = LoopEnd::RetriesExhausted;
    return loop;
}

void reportLoopEnd(Prompter& prompter, LoopEnd end) {
    switch (end) {
    case LoopEnd::Done:
        return;
    case LoopEnd::PortFailure:
    case LoopEnd::Refused:
        ShowCloneError(prompter, ComPortErrorMessage);
        return;
    case LoopEnd::RetriesExhausted:
        ShowCloneError(prompter, CommunicationErrorMessage);
        return;
    }
}

DataLoop readBlock(Link& link, int address, Reporting reporting) {
    return readReply(link, readCommand(address), reporting);
}

DataLoop readReply(Link& link, const QString& command, Reporting reporting) {
    const DataLoop loop = retryData(link, command);
    if (reporting == Reporting::WithMessages)
        reportLoopEnd(link.prompter(), loop.end);
    return loop;
}

AckLoop sendWrite(Link& link, const QString& command, Reporting reporting) {
    const AckLoop loop = retryAck(link, command);
    if (reporting == Reporting::WithMessages)
        reportLoopEnd(link.prompter(), loop.end);
    return loop;
}

} // namespace mtz4
