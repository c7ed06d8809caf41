// The simulator's command interpreter on any byte stream: the line is cut
// into commands without CR or LF, and each reply is its echo followed by a
// well-formed body.
#include "FuzzTarget.h"
#include "LineAssembler.h"
#include "MemoryImage.h"
#include "Receiver.h"
#include "model/DataSet.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"
#include "support/WriteSequence.h"

#include <QRandomGenerator>
#include <memory>

namespace mtz4::fuzz {

namespace {

bool isUpperHex(std::string_view text) {
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

} // namespace

// Input: the model and whether the receiver starts in clone mode (1 byte),
// then the bytes on the line. The seeds are the commands of a complete clone
// write, from the identification on.
QList<QByteArray> seeds() {
    QRandomGenerator rng(23);
    auto ds = std::make_unique<DataSet>();
    test::FillRandomDataSet(*ds, rng, Model::MTZ4J);
    const QStringList commands = test::writeAllSequence(*ds, QStringLiteral("00"));
    const QByteArray line = commands.join(QLatin1Char('\r')).toLatin1() + '\r';
    return {char(0) + line, char(1) + line.left(4000)};
}

void fuzzOne(QByteArrayView input) {
    InputReader in(input);
    const std::uint8_t setup = in.byte();
    auto image = std::make_unique<sim::MemoryImage>();
    sim::Receiver receiver(sim::ModelNames[setup % sim::ModelNames.size()], *image);
    receiver.setCloneMode(setup & 0x80);
    sim::LineAssembler assembler;
    const QByteArray bytes = in.rest();
    for (const std::string& command :
         assembler.feed(std::string_view(bytes.data(), bytes.size()))) {
        FUZZ_CHECK(!command.empty() && command.size() <= sim::LineAssembler::maxLength);
        FUZZ_CHECK(command.find_first_of("\r\n") == std::string::npos);
        const sim::Reply reply = receiver.handle(command);
        FUZZ_CHECK(reply.echo == command + "\r");
        switch (reply.kind) {
        case sim::ReplyKind::EchoOnly:
            FUZZ_CHECK(reply.body.empty());
            break;
        case sim::ReplyKind::Data:
            FUZZ_CHECK(reply.body.size() == 68 && reply.body.starts_with("\r\n") &&
                       reply.body.ends_with("\r\n") &&
                       isUpperHex(std::string_view(reply.body).substr(2, 64)));
            break;
        case sim::ReplyKind::Ok:
            FUZZ_CHECK(reply.body == "\r\nOK\r\n");
            break;
        case sim::ReplyKind::Refused:
            FUZZ_CHECK(reply.body == "\r\nRE\r\n");
            break;
        }
    }
}

} // namespace mtz4::fuzz
