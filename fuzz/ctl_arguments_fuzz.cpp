// mtz4ctl's argument parser on any argument list: it refuses with a message,
// or gives a complete request.
#include "FuzzTarget.h"
#include "cli/CliArguments.h"
#include "link/PortDevice.h"

namespace mtz4::fuzz {

// Input: the arguments after the program name, each ended by a NUL byte.
QList<QByteArray> seeds() {
    // Command lines as the README and the help show them.
    const QList<QByteArrayList> lines = {
        {"read", "--device", "/dev/ttyUSB0", "--model", "MT-Z4J", "-o", "radio.MZ4"},
        {"write", "--port", "1", "--model", "MT-Z40E", "radio.MZ4"},
        {"new", "--model", "MT-Z40T", "-o", "factory.MZ4"},
        {"read", "--port=3", "--model=mt-z40k", "--memory", "--base", "in.MZ4", "--output=out.MZ4",
         "-q"},
        {"write", "--device", "/dev/ttyS0", "--model", "MT-Z4J", "--settings", "--quiet", "in.MZ4"},
        {"identify", "--device", "ttyACM0"},
        {"ports"},
        {"read", "--help"},
        {"--help"},
    };
    QList<QByteArray> inputs;
    for (const QByteArrayList& line : lines)
        inputs.append(line.join('\0') + '\0');
    return inputs;
}

void fuzzOne(QByteArrayView input) {
    QStringList args;
    InputReader in(input);
    while (!in.atEnd())
        args.append(QString::fromUtf8(in.until('\0')));
    cli::CliArguments parsed;
    QString error;
    const bool ok = cli::parseArguments(args, parsed, error);
    FUZZ_CHECK(!cli::usageText(parsed.subcommand).isEmpty());
    if (!ok) {
        FUZZ_CHECK(!error.isEmpty());
        return;
    }
    if (parsed.help)
        return;
    FUZZ_CHECK(parsed.subcommand != cli::Subcommand::None);
    // The file commands and the port list need no receiver; identify needs a
    // port but no model.
    switch (parsed.subcommand) {
    case cli::Subcommand::Ports:
        return;
    case cli::Subcommand::Export:
    case cli::Subcommand::Import:
    case cli::Subcommand::Diff:
        FUZZ_CHECK(!parsed.input.isEmpty() && !parsed.csv.isEmpty());
        return;
    case cli::Subcommand::Identify:
        FUZZ_CHECK(parsed.device.isEmpty() != (parsed.port == 0));
        return;
    default:
        break;
    }
    FUZZ_CHECK(parsed.model >= 0 && parsed.model < 4);
    if (parsed.subcommand == cli::Subcommand::New) {
        FUZZ_CHECK(!parsed.output.isEmpty());
        return;
    }
    FUZZ_CHECK(parsed.device.isEmpty() != (parsed.port == 0));
    FUZZ_CHECK(parsed.port == 0 || isValidPortNumber(parsed.port));
    if (parsed.subcommand == cli::Subcommand::Read)
        FUZZ_CHECK(!parsed.output.isEmpty());
    else
        FUZZ_CHECK(!parsed.input.isEmpty());
}

} // namespace mtz4::fuzz
