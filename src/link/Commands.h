#pragma once

#include <QString>

namespace mtz4 {

// The command texts sent to the receiver, without their final CR (the
// exchange appends it). Addresses are byte addresses of the receiver memory.

// Address of the byte whose answer tells clone mode; its first byte is the
// start bank.
inline constexpr int CloneModeProbeAddress = 0x22;

inline const QString FinishCommand = QStringLiteral("QZ~FINISH");
inline const QString ImCommand = QStringLiteral("QZ~IM");
// Written right after the identification: the single byte 00 at 0FD01h.
inline const QString CloneModeFollowUpCommand = QStringLiteral("QZ~F0FD01W00");

// "QZ~F", five upper-case hex digits of `address`, "R": reads 32 bytes.
QString readCommand(int address);
// "QZ~F", five upper-case hex digits of `address`, "W", `hexDigits`.
QString writeCommand(int address, const QString& hexDigits);
// "QZ~BC", the five-digit bank/channel code, "W", the 64 digits of a record.
QString bankChannelWriteCommand(const QString& bankChannelCode, const QString& record);
// "QZ~BC", the two-digit start bank code, "000R": the read-back that ends a
// memory write.
QString readBackCommand(const QString& startBankCode);

} // namespace mtz4
