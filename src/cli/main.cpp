// mtz4ctl, the command-line tool: clone read, clone write, new clone files,
// CSV export and import, the list of serial ports and the model detection.
#include "cli/CliArguments.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "reference/ProgramVersion.h"

#include <QCoreApplication>
#include <cstdio>
#include <new>

using namespace mtz4::cli;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    CliArguments parsed;
    QString error;
    if (!parseArguments(args, parsed, error)) {
        std::fprintf(stderr, "mtz4ctl: %s\n%s", error.toLocal8Bit().constData(),
                     "Try \"mtz4ctl --help\" or \"mtz4ctl SUBCOMMAND --help\".\n");
        return ExitUsage;
    }
    if (parsed.help) {
        std::fputs(usageText(parsed.subcommand).toLocal8Bit().constData(), stdout);
        return ExitSuccess;
    }
    if (parsed.version) {
        std::printf("mtz4ctl %s\n", mtz4::ProgramVersion);
        return ExitSuccess;
    }

    StderrPrompter prompter(parsed.quiet);
    try {
        switch (parsed.subcommand) {
        case Subcommand::Read:
            return runRead(parsed, prompter);
        case Subcommand::Write:
            return runWrite(parsed, prompter);
        case Subcommand::New:
            return runNew(parsed, prompter);
        case Subcommand::Export:
            return runExport(parsed, prompter);
        case Subcommand::Import:
            return runImport(parsed, prompter);
        case Subcommand::Diff:
            return runDiff(parsed, prompter);
        case Subcommand::Ports:
            return runPorts();
        case Subcommand::Identify:
            return runIdentify(parsed, prompter);
        case Subcommand::None:
            break;
        }
    } catch (const std::bad_alloc&) {
        // Whatever the input, the tool ends with a message and its status.
        prompter.note(QStringLiteral("not enough memory"));
        return ExitFailure;
    }
    return ExitUsage;
}
