#pragma once

#include <QString>
#include <QtGlobal>

namespace mtz4 {

class Link;
struct DataSet;

// Result of bringing the receiver into clone mode and of every clone read
// and write procedure.
enum class LinkResult : quint16 {
    Success = 0,
    Failure = 1,     // no reply, port failure, refused follow-up, channel total check
    RegionError = 4, // the receiver answered the identification with "RE"
};

// What the operation does with the receiver's memory. It decides only one
// thing: whether entering clone mode first checks that the bank sizes add up
// to 1000 channels (Write) or not (Read; the group write passes Read too).
enum class CloneFlag : quint16 { Write = 0, Read = 1 };

// Attempts of the clone-mode probe (a read of 0022h).
inline constexpr int ProbeAttempts = 3;

// Brings the receiver into clone mode unless it is there already. The probe
// (a read of 0022h, up to 3 attempts) tells; when it is answered nothing else
// is sent and StartBankCode keeps its value. Otherwise SendQZMTZ4Main runs,
// 0022h is read again (10 attempts) and its first byte becomes the link's
// StartBankCode; a failure of that read shows "ERROR" and gives Failure.
LinkResult SendQZMTZ4(Link& link, DataSet& ds, CloneFlag flag);

// The identification step, for the selected model (ds.ModelIndex): checks
// the channel total for writes ("Total CH must be 1000" when the bank page's
// total label is not exactly "1000"; nothing is sent), sends the model's
// identification command and then "QZ~F0FD01W00". A refused identification gives
// RegionError; every other failure gives Failure.
LinkResult SendQZMTZ4Main(Link& link, DataSet& ds, CloneFlag flag);

// The identification command of model `modelIndex` (10 attempts), then
// "QZ~F0FD01W00": Success when both are acknowledged, RegionError when the
// identification is refused, Failure otherwise. No message.
LinkResult SendIdentification(Link& link, int modelIndex);

// Reads 0022h (10 attempts) to see that the receiver is in clone mode and
// takes its first byte as the link's StartBankCode. When no block comes,
// shows "ERROR" and gives Failure.
LinkResult ConfirmCloneMode(Link& link);

// Send "QZ~FINISH" (leaves clone mode) and "QZ~IM". Success when
// acknowledged within 10 attempts; a port failure or a refusal ends at once
// with Failure. No message.
LinkResult SendQZFINISH(Link& link);
LinkResult SendQZIM(Link& link);

// The identification command of a model: "QZ~MT-Z4J" (0), "QZ~MT-Z40E" (1),
// "QZ~MT-Z40T" (2), "QZ~MT-Z40K" (any other index).
QString identificationCommand(int modelIndex);

// The start bank code for the first byte at 0022h, given as two hex digits:
// its value as two decimal digits ("2A" gives "42", "05" gives "05"). A
// value of 100 or more is no bank number, and neither is text that is not
// hex: both give "00", so that the read-back command stays well formed.
QString startBankCodeFromByte(const QString& hexByte);

} // namespace mtz4
