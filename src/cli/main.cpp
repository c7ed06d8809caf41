// mtz4ctl, the command-line tool: clone read, clone write, new clone files,
// CSV export and import, the list of serial ports and the model detection.
#include "cli/CliArguments.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "cli/TerminalText.h"
#include "model/ProgramTranslations.h"
#include "reference/ProgramVersion.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

using namespace mtz4::cli;

namespace {

// The report lays out text with fonts, which takes the toolkit's GUI part,
// here without a display; every other subcommand makes do with the core.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    int i = 1;
    while (i < argc && std::strncmp(argv[i], "--trace", 7) == 0)
        i += std::strchr(argv[i], '=') ? 1 : 2;
    if (i < argc && std::strcmp(argv[i], "report") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The tool's own messages are its only output on standard error: not
        // the toolkit's notes about the desktop session it does not use.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "mtz4ctl: %s\n", TerminalText(text).constData());
        });
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const auto app = makeApplication(argc, argv);
    // Messages in the language of the locale; what scripts read (diff lines,
    // port lists, identify) is the same in every language.
    mtz4::InstallTranslations(*app, QString());
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    CliArguments parsed;
    QString error;
    if (!parseArguments(args, parsed, error)) {
        std::fprintf(
            stderr, "mtz4ctl: %s\n%s\n", TerminalText(error).constData(),
            TerminalText(QCoreApplication::translate(
                             "main", "Try \"mtz4ctl --help\" or \"mtz4ctl SUBCOMMAND --help\"."))
                .constData());
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
    if (const QString clash = outputNamingAnInput(parsed); !clash.isEmpty()) {
        prompter.note(clash);
        return ExitUsage;
    }
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
        case Subcommand::Report:
            return runReport(parsed, prompter);
        case Subcommand::Stock:
            return runStock(parsed, prompter);
        case Subcommand::None:
            break;
        }
    } catch (const std::bad_alloc&) {
        // Whatever the input, the tool ends with a message and its status.
        prompter.note(QCoreApplication::translate("main", "not enough memory"));
        return ExitFailure;
    }
    return ExitUsage;
}
