#include "link/CloneMode.h"

#include "link/CloneMessages.h"
#include "link/Commands.h"
#include "link/Link.h"
#include "link/Retry.h"
#include "model/DataSet.h"
#include "model/Prompter.h"

namespace mtz4 {

namespace {

constexpr int BankNumberLimit = 100;

// Sends an acknowledged one-line command: Success when acknowledged,
// Failure when the attempts run out, the port fails or the receiver refuses.
LinkResult sendAcknowledged(Link& link, const QString& command) {
    return retryAck(link, command).ok() ? LinkResult::Success : LinkResult::Failure;
}

} // namespace

QString identificationCommand(int modelIndex) {
    switch (modelIndex) {
    case Model::MTZ4J:
        return QStringLiteral("QZ~MT-Z4J");
    case Model::MTZ40E:
        return QStringLiteral("QZ~MT-Z40E");
    case Model::MTZ40T:
        return QStringLiteral("QZ~MT-Z40T");
    default:
        return QStringLiteral("QZ~MT-Z40K");
    }
}

QString startBankCodeFromByte(const QString& hexByte) {
    const auto isHexDigit = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    };
    if (hexByte.size() != 2 || !isHexDigit(hexByte[0]) || !isHexDigit(hexByte[1]))
        return QStringLiteral("00");
    const int value = hexByte.toInt(nullptr, 16);
    if (value >= BankNumberLimit)
        return QStringLiteral("00");
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

LinkResult SendQZMTZ4(Link& link, DataSet& ds, CloneFlag flag) {
    const QString probe = readCommand(CloneModeProbeAddress);
    if (retryData(link, probe, ProbeAttempts).ok())
        return LinkResult::Success;

    const LinkResult identified = SendQZMTZ4Main(link, ds, flag);
    if (identified != LinkResult::Success)
        return identified;
    return ConfirmCloneMode(link);
}

LinkResult ConfirmCloneMode(Link& link) {
    const DataLoop confirm = retryData(link, readCommand(CloneModeProbeAddress));
    if (!confirm.ok()) {
        link.prompter().error(ErrorText());
        return LinkResult::Failure;
    }
    link.StartBankCode = startBankCodeFromByte(confirm.digits().left(2));
    return LinkResult::Success;
}

LinkResult SendQZMTZ4Main(Link& link, DataSet& ds, CloneFlag flag) {
    if (flag == CloneFlag::Write && ds.bank.lblAll != QLatin1String("1000")) {
        ShowCloneError(link.prompter(), BankTotalMessage);
        return LinkResult::Failure;
    }

    return SendIdentification(link, ds.ModelIndex);
}

LinkResult SendIdentification(Link& link, int modelIndex) {
    const AckLoop identification = retryAck(link, identificationCommand(modelIndex));
    if (identification.end == LoopEnd::Refused)
        return LinkResult::RegionError;
    if (!identification.ok())
        return LinkResult::Failure;

    return sendAcknowledged(link, CloneModeFollowUpCommand);
}

LinkResult SendQZFINISH(Link& link) {
    return sendAcknowledged(link, FinishCommand);
}

LinkResult SendQZIM(Link& link) {
    return sendAcknowledged(link, ImCommand);
}

} // namespace mtz4
