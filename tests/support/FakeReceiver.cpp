#include "support/FakeReceiver.h"

#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/EnableCodec.h"
#include "model/GroupCodec.h"
#include "model/RecordCodec.h"
#include "model/SettingsCodec.h"

namespace mtz4::test {

namespace {

Answer reply(const QByteArray& command, const QByteArray& body) {
    return Answer{{answer::ReplyDelayMs, command + "\r\r\n" + body + "\r\n"}};
}

} // namespace

FakeReceiver::FakeReceiver(FakeSerialPort& port) {
    port.setResponder([this](const QByteArray& command) { return answer(command); });
}

void FakeReceiver::load(DataSet& ds) {
    const auto put = [this](int address, const QString& digits) {
        blocks[address] = digits.toLatin1().leftJustified(64, '0');
    };
    EncodeSettings(ds);
    put(0x00, ds.SetLine1);
    put(0x20, ds.SetLine2);
    ReadGroupChecks(ds);
    EncodeGroups(ds);
    for (int k = 0; k < 3; ++k)
        put(0x80 + 0x20 * k, ds.GroupLine.mid(64 * k, 64));
    EncodeBanks(ds);
    for (int d = 0; d < 4; ++d)
        put(0x100 + 0x20 * d, ds.BankLines[d]);
    EncodeEnable(ds);
    for (int k = 0; k < 5; ++k)
        put(0x200 + 0x20 * k, ds.EnableLines[k]);
    for (int b = 0; b < BandCount; ++b)
        put(0x300 + 0x20 * b, EncodeVFO(ds, b));
    for (int n = 0; n < EntryCount; ++n)
        put(0xA00 + 0x20 * n, EncodeMem(ds, n));
}

void FakeReceiver::setEntry(int n, const QByteArray& digits) {
    blocks[0xA00 + 0x20 * n] = digits;
}

void FakeReceiver::setBand(int b, const QByteArray& digits) {
    blocks[0x300 + 0x20 * b] = digits;
}

Answer FakeReceiver::answer(const QByteArray& command) {
    if (portFailsFor && portFailsFor(command))
        return Answer{{answer::ReplyDelayMs, {}, true}};
    if (silentFor && silentFor(command))
        return {};

    if (command.startsWith("QZ~MT-")) {
        const bool own = command.mid(3) == model;
        return reply(command, own ? "OK" : "RE");
    }
    if (command == "QZ~F0FD01W00") {
        cloneMode = true;
        return reply(command, "OK");
    }
    if (!cloneMode)
        return {};
    if (command == "QZ~FINISH") {
        cloneMode = false;
        return reply(command, "OK");
    }
    if (command.startsWith("QZ~F") && command.endsWith('R')) {
        const int address = command.mid(4, 5).toInt(nullptr, 16);
        return reply(command, blocks.value(address, unsetBlock));
    }
    if (command.startsWith("QZ~BC") && command.endsWith('R'))
        return reply(command, unsetBlock);
    return reply(command, "OK");
}

} // namespace mtz4::test
