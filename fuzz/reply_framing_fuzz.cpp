// The reply framing of the exchanges, fed any byte stream through a fake
// port on fake time: every data exchange ends with a well-framed block or
// one of its error results, every acknowledged one with a code 0..4, and no
// wait lasts beyond the 500 ms bound.
#include "FuzzTarget.h"
#include "MemoryImage.h"
#include "Receiver.h"
#include "link/Exchange.h"
#include "support/FakeLink.h"

#include <array>

namespace mtz4::fuzz {

namespace {

// Commands as the clone procedures send them: data reads and acknowledged writes.
const std::array<QString, 6> Commands = {
    QStringLiteral("QZ~F00022R"),
    QStringLiteral("QZ~F00300R"),
    QStringLiteral("QZ~BC07000R"),
    QStringLiteral("QZ~IM"),
    QStringLiteral("QZ~F00020W") + QString(64, QLatin1Char('0')),
    QStringLiteral("QZ~BC00000W4086A408") + QString(56, QLatin1Char('0')),
};

bool isAck(int command) {
    return command >= 3;
}

} // namespace

// Input, repeated for up to 8 exchanges: which command (1 byte), the number
// of reply chunks less one (1 byte, 0..3), per chunk its time after the
// command in units of 3 ms, a byte that fails the port when FF, its length
// and its bytes; then fake time let pass before the next exchange (1 byte,
// units of 200 ms, 0..3).
// The seeds are the simulator's replies to each command, whole and in time.
QList<QByteArray> seeds() {
    sim::MemoryImage image;
    sim::Receiver receiver("MT-Z4J", image);
    receiver.setCloneMode(true);
    QList<QByteArray> inputs;
    QByteArray all;
    for (int c = 0; c < int(Commands.size()); ++c) {
        const std::string reply = receiver.handle(Commands[c].toStdString()).bytes();
        QByteArray exchange;
        exchange += char(c);
        exchange += char(0); // one chunk
        exchange += char(4); // after 12 ms
        exchange += char(0); // no port failure
        exchange += char(reply.size());
        exchange += QByteArray::fromStdString(reply);
        exchange += char(0); // no pause
        inputs.append(exchange);
        all += exchange;
    }
    inputs.append(all);
    return inputs;
}

void fuzzOne(QByteArrayView input) {
    test::FakeLink f;
    InputReader in(input);
    for (int n = 0; n < 8 && !in.atEnd(); ++n) {
        const int command = in.below(int(Commands.size()));
        test::Answer chunks;
        const int count = in.below(4) + 1;
        for (int k = 0; k < count; ++k) {
            test::Chunk chunk;
            chunk.atMs = qint64(in.byte()) * 3;
            chunk.portFails = in.byte() == 0xFF;
            chunk.bytes = in.bytes(in.byte());
            chunks.append(chunk);
        }
        f.port().answerNext(test::answer::chunks(chunks));
        const int written = int(f.port().written.size());
        if (isAck(command)) {
            const AckCode code = f.link().SendQZAck(Commands[command]);
            FUZZ_CHECK(quint16(code) <= quint16(AckCode::AckRefused));
        } else {
            const QString reply = f.link().SendQZData(Commands[command]);
            FUZZ_CHECK(reply == ReplyPortError || reply == ReplyTooShort || reply == ReplyGarbled ||
                       isDataReply(reply));
        }
        if (f.port().written.size() > written)
            FUZZ_CHECK(f.clock().now() - f.port().writtenAt.last() <= Exchange::ReplyTimeoutMs);
        FUZZ_CHECK(!f.link().busy());
        f.clock().advance(qint64(in.below(4)) * 200);
    }
}

} // namespace mtz4::fuzz
