#pragma once

#include "support/FakeSerialPort.h"

#include <QByteArray>
#include <QHash>
#include <functional>

namespace mtz4 {
struct DataSet;
}

namespace mtz4::test {

// A receiver behind a FakeSerialPort that keeps a memory of 32-byte blocks
// and answers like the real one: outside clone mode only its own
// identification ("OK"; another model's gets "RE") and the follow-up write;
// in clone mode reads with the block at the address, writes and the one-line
// commands with "OK". "QZ~FINISH" leaves clone mode. Every reply carries the
// echo of its command.
class FakeReceiver {
public:
    // Installs itself as the port's responder.
    explicit FakeReceiver(FakeSerialPort& port);

    bool cloneMode = true;
    QByteArray model = "MT-Z4J";
    // Blocks by address, 64 hex digits each; a block not set reads as
    // `unsetBlock`.
    QHash<int, QByteArray> blocks;
    QByteArray unsetBlock = QByteArray(64, '0');
    // Commands (without CR) for which this returns true get no answer at all.
    std::function<bool(const QByteArray& command)> silentFor;
    // Commands for which this returns true make the port fail.
    std::function<bool(const QByteArray& command)> portFailsFor;

    // Holds the data set as the receiver would after a complete clone write
    // of it: every line encoded, each block padded with "0" to 32 bytes.
    void load(DataSet& ds);

    // The block of memory entry n and band VFO b.
    void setEntry(int n, const QByteArray& digits);
    void setBand(int b, const QByteArray& digits);

private:
    Answer answer(const QByteArray& command);
};

} // namespace mtz4::test
