#include "link/Commands.h"

namespace mtz4 {

namespace {

QString addressText(int address) {
    return QStringLiteral("%1").arg(address, 5, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString readCommand(int address) {
    return QStringLiteral("QZ~F") + addressText(address) + QLatin1Char('R');
}

QString writeCommand(int address, const QString& hexDigits) {
    return QStringLiteral("QZ~F") + addressText(address) + QLatin1Char('W') + hexDigits;
}

QString bankChannelWriteCommand(const QString& bankChannelCode, const QString& record) {
    return QStringLiteral("QZ~BC") + bankChannelCode + QLatin1Char('W') + record;
}

QString readBackCommand(const QString& startBankCode) {
    return QStringLiteral("QZ~BC") + startBankCode + QStringLiteral("000R");
}

} // namespace mtz4
