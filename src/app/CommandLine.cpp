#include "app/CommandLine.h"

#include "reference/ProgramVersion.h"

#include <QCoreApplication>

namespace mtz4 {

QString CommandFileFromArguments(const QStringList& arguments) {
    const QString line = arguments.mid(1).join(QLatin1Char(' '));
    const QChar quote = QLatin1Char('"');
    if (line.size() >= 2 && line.front() == quote && line.back() == quote)
        return line.mid(1, line.size() - 2);
    return line;
}

QString InformationRequested(const QStringList& arguments) {
    if (arguments.size() != 2)
        return {};
    const QString& option = arguments.at(1);
    if (option == QLatin1String("--version"))
        return QStringLiteral("mtz4clone %1\n").arg(QLatin1String(ProgramVersion));
    if (option == QLatin1String("--help") || option == QLatin1String("-h"))
        return QCoreApplication::translate(
            "CommandLine",
            "Usage: mtz4clone [FILE.MZ4]\n"
            "The clone utility for MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K receivers: opens\n"
            "the window, with the clone file FILE.MZ4 loaded when one is named.\n"
            "\n"
            "  --help, -h     show this help and exit\n"
            "  --version      show the version and exit\n"
            "\n"
            "Environment: MTZ4_COMn=DEVICE uses DEVICE for COM port n; MTZ4_TRACE=FILE\n"
            "writes every command and reply on the serial line to FILE;\n"
            "MTZ4_PLACEMENT=LEFT,TOP,WIDTH,HEIGHT opens the window there (fitted to the\n"
            "screen) instead of at its start size.\n");
    return {};
}

} // namespace mtz4
