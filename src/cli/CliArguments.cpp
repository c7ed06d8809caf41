#include "cli/CliArguments.h"

#include "link/PortDevice.h"
#include "model/Limits.h"

#include <array>
#include <optional>

namespace mtz4::cli {

namespace {

constexpr std::array<const char*, ModelCount> ModelNames = {"MT-Z4J", "MT-Z40E", "MT-Z40T",
                                                            "MT-Z40K"};

Subcommand subcommandOf(const QString& word) {
    if (word == QLatin1String("read"))
        return Subcommand::Read;
    if (word == QLatin1String("write"))
        return Subcommand::Write;
    if (word == QLatin1String("new"))
        return Subcommand::New;
    return Subcommand::None;
}

// Walks the arguments one option at a time.
class ArgumentReader {
public:
    explicit ArgumentReader(const QStringList& args) : args_(args) {}

    bool atEnd() const { return next_ >= args_.size(); }
    // The next argument; splits "--name=value" into the name and a pending value.
    QString take() {
        QString arg = args_.at(next_++);
        pending_.reset();
        if (arg.startsWith(QLatin1String("--"))) {
            const qsizetype equals = arg.indexOf(QLatin1Char('='));
            if (equals > 0) {
                pending_ = arg.mid(equals + 1);
                arg.truncate(equals);
            }
        }
        return arg;
    }
    // The value of the option just taken.
    bool value(const QString& option, QString& into, QString& error) {
        if (pending_) {
            into = *pending_;
            pending_.reset();
        } else if (!atEnd()) {
            into = args_.at(next_++);
        } else {
            error = QStringLiteral("option %1 needs a value").arg(option);
            return false;
        }
        if (into.isEmpty()) {
            error = QStringLiteral("option %1 needs a value").arg(option);
            return false;
        }
        return true;
    }
    // True when the option just taken was given a value with "=" it does not take.
    bool hasStrayValue() const { return pending_.has_value(); }

private:
    const QStringList& args_;
    qsizetype next_ = 0;
    std::optional<QString> pending_;
};

bool takes(Subcommand subcommand, const QString& option) {
    static const QStringList common{QStringLiteral("--help"), QStringLiteral("-h"),
                                    QStringLiteral("--quiet"), QStringLiteral("-q"),
                                    QStringLiteral("--model")};
    static const QStringList link{QStringLiteral("--device"), QStringLiteral("--port"),
                                  QStringLiteral("--settings"), QStringLiteral("--memory"),
                                  QStringLiteral("--all")};
    if (common.contains(option))
        return true;
    switch (subcommand) {
    case Subcommand::Read:
        return link.contains(option) || option == QLatin1String("--base") ||
               option == QLatin1String("-o") || option == QLatin1String("--output");
    case Subcommand::Write:
        return link.contains(option);
    case Subcommand::New:
        return option == QLatin1String("-o") || option == QLatin1String("--output");
    case Subcommand::None:
        return false;
    }
    return false;
}

// The checks that need every option: what must be there and what excludes what.
bool complete(const CliArguments& a, int scopes, QString& error) {
    if (a.model < 0) {
        error = QStringLiteral("--model MODEL is required (MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K)");
        return false;
    }
    if (a.subcommand == Subcommand::New) {
        if (a.output.isEmpty())
            error = QStringLiteral("-o OUT.MZ4 is required");
        return error.isEmpty();
    }
    if (a.device.isEmpty() == (a.port == 0)) {
        error = a.device.isEmpty() ? QStringLiteral("--device PATH or --port N is required")
                                   : QStringLiteral("--device and --port exclude each other");
        return false;
    }
    if (scopes > 1) {
        error = QStringLiteral("--settings, --memory and --all exclude each other");
        return false;
    }
    if (a.subcommand == Subcommand::Read && a.output.isEmpty())
        error = QStringLiteral("-o OUT.MZ4 is required");
    if (a.subcommand == Subcommand::Write && a.input.isEmpty())
        error = QStringLiteral("the clone file to write (IN.MZ4) is required");
    return error.isEmpty();
}

} // namespace

int modelIndexOf(const QString& name) {
    for (int i = 0; i < ModelCount; ++i)
        if (name.compare(QLatin1String(ModelNames[i]), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool parseArguments(const QStringList& args, CliArguments& a, QString& error) {
    a = CliArguments{};
    error.clear();
    ArgumentReader reader(args);
    if (reader.atEnd()) {
        error = QStringLiteral("no subcommand given (read, write or new)");
        return false;
    }
    const QString first = reader.take();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        a.help = true;
        return true;
    }
    a.subcommand = subcommandOf(first);
    if (a.subcommand == Subcommand::None) {
        error = QStringLiteral("unknown subcommand \"%1\" (read, write or new)").arg(first);
        return false;
    }

    int scopes = 0;
    while (!reader.atEnd()) {
        const QString arg = reader.take();
        const bool isOption = arg.startsWith(QLatin1Char('-')) && arg.size() > 1;
        if (!isOption) {
            if (a.subcommand != Subcommand::Write || !a.input.isEmpty()) {
                error = QStringLiteral("unexpected argument \"%1\"").arg(arg);
                return false;
            }
            a.input = arg;
            continue;
        }
        if (!takes(a.subcommand, arg)) {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        QString value;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            a.help = true;
        } else if (arg == QLatin1String("--quiet") || arg == QLatin1String("-q")) {
            a.quiet = true;
        } else if (arg == QLatin1String("--settings") || arg == QLatin1String("--memory") ||
                   arg == QLatin1String("--all")) {
            ++scopes;
            a.scope = arg == QLatin1String("--settings") ? Scope::Settings
                      : arg == QLatin1String("--memory") ? Scope::Memory
                                                         : Scope::All;
        } else {
            if (!reader.value(arg, value, error))
                return false;
            if (arg == QLatin1String("--model")) {
                a.model = modelIndexOf(value);
                if (a.model < 0) {
                    error = QStringLiteral("unknown model \"%1\" (MT-Z4J, MT-Z40E, MT-Z40T or "
                                           "MT-Z40K)")
                                .arg(value);
                    return false;
                }
            } else if (arg == QLatin1String("--device")) {
                a.device = value;
            } else if (arg == QLatin1String("--port")) {
                bool ok = false;
                a.port = value.toInt(&ok);
                if (!ok || !isValidPortNumber(a.port)) {
                    error = QStringLiteral("--port takes a number from %1 to %2")
                                .arg(FirstPortNumber)
                                .arg(LastPortNumber);
                    return false;
                }
            } else if (arg == QLatin1String("--base")) {
                a.base = value;
            } else {
                a.output = value; // -o, --output
            }
            continue;
        }
        if (reader.hasStrayValue()) {
            error = QStringLiteral("option %1 takes no value").arg(arg);
            return false;
        }
    }
    if (a.help)
        return true;
    return complete(a, scopes, error);
}

// The options that name the receiver, shared by read and write.
const QString ReceiverOptionsHelp =
    QStringLiteral("  --device PATH     the serial device the receiver is on (e.g. /dev/ttyUSB0)\n"
                   "  --port N          COM port N (1..16) instead: the device named by the\n"
                   "                    environment variable MTZ4_COMn, else /dev/ttyUSB<n-1>\n"
                   "                    when it exists, else /dev/ttyS<n-1>\n"
                   "  --model MODEL     the receiver model: MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K\n");

QString usageText(Subcommand subcommand) {
    switch (subcommand) {
    case Subcommand::Read:
        return QStringLiteral("Usage: mtz4ctl read (--device PATH | --port N) --model MODEL\n"
                              "                    [--settings | --memory | --all] [--base IN.MZ4] "
                              "-o OUT.MZ4\n"
                              "Clone read: copies the receiver's memory into a clone file.\n"
                              "\n") +
               ReceiverOptionsHelp +
               QStringLiteral(
                   "  --settings        read the settings and the band VFO records only\n"
                   "  --memory          read the memory only: enables, banks, groups, entries\n"
                   "  --all             read the settings, then the memory (the default)\n"
                   "  --base IN.MZ4     read into this clone file's data (its notes are kept)\n"
                   "                    instead of the factory data of MODEL\n"
                   "  -o, --output OUT.MZ4  the clone file to write\n"
                   "  -q, --quiet       no progress display and no success message\n"
                   "\n"
                   "OUT.MZ4 is written only after a complete read: a failed read leaves no file\n"
                   "(and an existing OUT.MZ4 untouched). The receiver stays in clone mode.\n"
                   "Exit status: 0 success, 1 the read or a file failed, 2 bad command line.\n");
    case Subcommand::Write:
        return QStringLiteral("Usage: mtz4ctl write (--device PATH | --port N) --model MODEL\n"
                              "                     [--settings | --memory | --all] IN.MZ4\n"
                              "Clone write: copies a clone file into the receiver.\n"
                              "\n") +
               ReceiverOptionsHelp +
               QStringLiteral(
                   "  --settings        write the settings and the band VFO records only; the\n"
                   "                    receiver stays in clone mode\n"
                   "  --memory          write the memory (banks, groups, entries), then end\n"
                   "                    clone mode (\"QZ~FINISH\")\n"
                   "  --all             write the settings, then the memory, then end clone mode\n"
                   "                    (the default)\n"
                   "  -q, --quiet       no progress display and no success message\n"
                   "\n"
                   "The bank sizes must add up to 1000 channels unless the receiver is already\n"
                   "in clone mode.\n"
                   "Exit status: 0 success, 1 the write or the file failed, 2 bad command line.\n");
    case Subcommand::New:
        return QStringLiteral(
            "Usage: mtz4ctl new --model MODEL -o OUT.MZ4\n"
            "Writes the factory data of a receiver model as a clone file.\n"
            "\n"
            "  --model MODEL     MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K\n"
            "  -o, --output OUT.MZ4  the clone file to write\n"
            "\n"
            "Exit status: 0 success, 1 the file could not be written, 2 bad command line.\n");
    case Subcommand::None:
        break;
    }
    return QStringLiteral(
        "Usage: mtz4ctl SUBCOMMAND [OPTION]...\n"
        "Clone read and clone write of MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K receivers.\n"
        "\n"
        "Subcommands:\n"
        "  read    copy the receiver's memory into a clone file (.MZ4)\n"
        "  write   copy a clone file into the receiver\n"
        "  new     write the factory data of a model as a clone file\n"
        "\n"
        "\"mtz4ctl SUBCOMMAND --help\" describes each one.\n"
        "Messages go to standard error: failures as \"mtz4ctl: ERROR: ...\", the success\n"
        "message \"Successed!!\" unless --quiet, and a progress display while entries are\n"
        "transferred when standard error is a terminal.\n"
        "Exit status: 0 success, 1 failure, 2 bad command line.\n");
}

} // namespace mtz4::cli
