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
    if (word == QLatin1String("export"))
        return Subcommand::Export;
    if (word == QLatin1String("import"))
        return Subcommand::Import;
    if (word == QLatin1String("diff"))
        return Subcommand::Diff;
    if (word == QLatin1String("ports"))
        return Subcommand::Ports;
    if (word == QLatin1String("report"))
        return Subcommand::Report;
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
    static const QStringList link{QStringLiteral("--device"),   QStringLiteral("--port"),
                                  QStringLiteral("--settings"), QStringLiteral("--memory"),
                                  QStringLiteral("--all"),      QStringLiteral("--trace")};
    if (common.contains(option))
        return true;
    switch (subcommand) {
    case Subcommand::Read:
        return link.contains(option) || option == QLatin1String("--base") ||
               option == QLatin1String("--quick") || option == QLatin1String("-o") ||
               option == QLatin1String("--output");
    case Subcommand::Write:
        return link.contains(option) || option == QLatin1String("--verify");
    case Subcommand::New:
    case Subcommand::Report:
        return option == QLatin1String("-o") || option == QLatin1String("--output");
    case Subcommand::Import:
        return option == QLatin1String("-o") || option == QLatin1String("--output") ||
               option == QLatin1String("--format");
    case Subcommand::Export:
        return option == QLatin1String("--format");
    case Subcommand::Diff:
    case Subcommand::Ports:
    case Subcommand::None:
        return false;
    }
    return false;
}

// Where the next argument that is no option goes; null when the subcommand
// takes no more of them.
QString* nextPositional(CliArguments& a) {
    switch (a.subcommand) {
    case Subcommand::Write:
    case Subcommand::Report:
        return a.input.isEmpty() ? &a.input : nullptr;
    case Subcommand::Export:
    case Subcommand::Import:
    case Subcommand::Diff:
        if (a.input.isEmpty())
            return &a.input;
        return a.csv.isEmpty() ? &a.csv : nullptr;
    case Subcommand::Read:
    case Subcommand::New:
    case Subcommand::Ports:
    case Subcommand::None:
        break;
    }
    return nullptr;
}

// The checks of the file commands, which need no receiver and take the
// model as an option.
bool completeFileCommand(const CliArguments& a, QString& error) {
    if (a.subcommand == Subcommand::Diff) {
        if (a.input.isEmpty() || a.csv.isEmpty())
            error = QStringLiteral("the two clone files to compare (A.MZ4 B.MZ4) are required");
    } else if (a.subcommand == Subcommand::Report) {
        if (a.input.isEmpty())
            error = QStringLiteral("the clone file (IN.MZ4) is required");
        else if (reportKindOf(a.output) == ReportKind::None)
            error = QStringLiteral("-o LIST.pdf or -o LIST.html is required");
    } else if (a.subcommand == Subcommand::Export) {
        if (a.input.isEmpty() || a.csv.isEmpty())
            error = QStringLiteral("the clone file (IN.MZ4) and the CSV file to write (OUT.csv) "
                                   "are required");
    } else if (a.input.isEmpty() || a.csv.isEmpty()) {
        error = QStringLiteral("the clone file (BASE.MZ4) and the CSV file to import (IN.csv) are "
                               "required");
    } else if (a.output.isEmpty()) {
        error = QStringLiteral("-o OUT.MZ4 is required");
    }
    return error.isEmpty();
}

// The checks that need every option: what must be there and what excludes what.
bool complete(const CliArguments& a, int scopes, QString& error) {
    if (a.subcommand == Subcommand::Ports)
        return true;
    if (a.subcommand == Subcommand::Export || a.subcommand == Subcommand::Import ||
        a.subcommand == Subcommand::Diff || a.subcommand == Subcommand::Report)
        return completeFileCommand(a, error);
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
    else if (a.quick && a.scope == Scope::Settings)
        error = QStringLiteral("--quick reads the memory; it does not go with --settings");
    else if (a.verify && a.scope == Scope::Settings)
        error = QStringLiteral("--verify reads back the memory; it does not go with --settings");
    if (a.subcommand == Subcommand::Write && a.input.isEmpty())
        error = QStringLiteral("the clone file to write (IN.MZ4) is required");
    return error.isEmpty();
}

} // namespace

ReportKind reportKindOf(const QString& path) {
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".pdf")))
        return ReportKind::Pdf;
    if (lower.endsWith(QLatin1String(".html")) || lower.endsWith(QLatin1String(".htm")))
        return ReportKind::Html;
    return ReportKind::None;
}

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
    QString first = reader.take();
    // --trace FILE may also come before the subcommand.
    while (first == QLatin1String("--trace")) {
        if (!reader.value(first, a.trace, error))
            return false;
        if (reader.atEnd()) {
            error = QStringLiteral("no subcommand given (read, write or new)");
            return false;
        }
        first = reader.take();
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        a.help = true;
        return true;
    }
    if (first == QLatin1String("--version")) {
        a.version = true;
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
            QString* slot = nextPositional(a);
            if (!slot) {
                error = QStringLiteral("unexpected argument \"%1\"").arg(arg);
                return false;
            }
            *slot = arg;
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
        } else if (arg == QLatin1String("--quick")) {
            a.quick = true;
        } else if (arg == QLatin1String("--verify")) {
            a.verify = true;
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
            } else if (arg == QLatin1String("--format")) {
                if (value == QLatin1String("chirp")) {
                    a.format = CsvFormat::Chirp;
                } else if (value == QLatin1String("csv")) {
                    a.format = CsvFormat::Own;
                } else {
                    error = QStringLiteral("unknown format \"%1\" (csv or chirp)").arg(value);
                    return false;
                }
            } else if (arg == QLatin1String("--base")) {
                a.base = value;
            } else if (arg == QLatin1String("--trace")) {
                a.trace = value;
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
const QString ReceiverOptionsHelp = QStringLiteral(
    "  --device PATH     the serial device the receiver is on (e.g. /dev/ttyUSB0)\n"
    "  --port N          COM port N (1..16) instead: the device named by the\n"
    "                    environment variable MTZ4_COMn, else /dev/ttyUSB<n-1>\n"
    "                    when it exists, else /dev/ttyS<n-1>\n"
    "  --model MODEL     the receiver model: MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K\n"
    "  --trace FILE      write every command and reply on the line to FILE, with\n"
    "                    the time, the direction and the outcome of each exchange\n");

QString usageText(Subcommand subcommand) {
    switch (subcommand) {
    case Subcommand::Read:
        return QStringLiteral("Usage: mtz4ctl read (--device PATH | --port N) --model MODEL\n"
                              "                    [--settings | --memory | --all] [--quick]\n"
                              "                    [--base IN.MZ4] -o OUT.MZ4\n"
                              "Clone read: copies the receiver's memory into a clone file.\n"
                              "\n") +
               ReceiverOptionsHelp +
               QStringLiteral(
                   "  --settings        read the settings and the band VFO records only\n"
                   "  --memory          read the memory only: enables, banks, groups, entries\n"
                   "  --all             read the settings, then the memory (the default)\n"
                   "  --quick           read the memory entries in use only: after the enable\n"
                   "                    bitmap, fetch just the blocks of enabled entries; the\n"
                   "                    data and OUT.MZ4 come out as a full read's would\n"
                   "  --base IN.MZ4     read into this clone file's data (its notes are kept)\n"
                   "                    instead of the factory data of MODEL\n"
                   "  -o, --output OUT.MZ4  the clone file to write\n"
                   "  -q, --quiet       no progress display and no success message\n"
                   "\n"
                   "OUT.MZ4 is written only after a complete read: a failed read leaves no file\n"
                   "(and an existing OUT.MZ4 untouched). The receiver stays in clone mode.\n"
                   "Exit status: 0 success, 1 the read or a file failed, 2 bad command line.\n");
    case Subcommand::Write:
        return QStringLiteral(
                   "Usage: mtz4ctl write (--device PATH | --port N) --model MODEL\n"
                   "                     [--settings | --memory | --all] [--verify] IN.MZ4\n"
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
                   "  --verify          after the write, read back what was written (the memory\n"
                   "                    entries in use, and the settings with --all) and compare:\n"
                   "                    a difference fails the write and is listed\n"
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
    case Subcommand::Diff:
        return QStringLiteral(
            "Usage: mtz4ctl diff [--model MODEL] A.MZ4 B.MZ4\n"
            "Compares two clone files field by field and prints every difference on a line\n"
            "of its own, for example:\n"
            "  03-012 Frequency: 145.500000 -> 145.520000\n"
            "(the memory entries by their row labels, \"Band N\" for the VFO records,\n"
            "\"Bank N Size\", the group boxes as \"GRPn Bank N\", \"Settings\" and the caption\n"
            "of each setting).\n"
            "\n"
            "  --model MODEL     the receiver model the files are for: MT-Z4J (the default),\n"
            "                    MT-Z40E, MT-Z40T or MT-Z40K\n"
            "\n"
            "Exit status: 0 the two hold the same data, 1 they differ, 2 bad command line or\n"
            "a file that cannot be loaded.\n");
    case Subcommand::Export:
        return QStringLiteral(
            "Usage: mtz4ctl export [--model MODEL] [--format csv|chirp] IN.MZ4 OUT.csv\n"
            "Writes the bands, memory entries, bank sizes and groups of a clone file as a\n"
            "CSV file, for editing in a spreadsheet (the settings are not part of it).\n"
            "\n"
            "  --model MODEL     the receiver model: MT-Z4J (the default), MT-Z40E, MT-Z40T\n"
            "                    or MT-Z40K; its factory VFO records stand for bands the\n"
            "                    clone file leaves unused\n"
            "\n"
            "  --format chirp    write CHIRP's generic CSV instead: one row per enabled\n"
            "                    memory channel\n"
            "\n"
            "An existing OUT.csv is replaced only once the new one is complete.\n"
            "Exit status: 0 success, 1 a file failed, 2 bad command line.\n");
    case Subcommand::Import:
        return QStringLiteral(
            "Usage: mtz4ctl import [--model MODEL] [--format csv|chirp] BASE.MZ4 IN.csv -o "
            "OUT.MZ4\n"
            "Merges a CSV file into a clone file's data and writes the result as a new\n"
            "clone file.\n"
            "\n"
            "  --model MODEL     the receiver model: MT-Z4J (the default), MT-Z40E, MT-Z40T\n"
            "                    or MT-Z40K; OUT.MZ4 holds only the options it has (MT-Z4J\n"
            "                    has no \"Scr\", MT-Z40E no \"Train\", the others neither)\n"
            "  --format chirp    IN.csv is CHIRP's generic CSV: Location n becomes memory\n"
            "                    channel n; rows the receiver cannot take are skipped, and a\n"
            "                    summary on standard error names each with the reason\n"
            "  -o, --output OUT.MZ4  the clone file to write\n"
            "\n"
            "Every valid line of IN.csv replaces its band, entry, bank size or group box;\n"
            "what IN.csv does not supply keeps the value of BASE.MZ4, and lines that break\n"
            "the rules are passed over. Notes and names come out in upper case. OUT.MZ4 is\n"
            "written only after a complete import.\n"
            "Exit status: 0 success, 1 a file failed, 2 bad command line.\n");
    case Subcommand::Report:
        return QStringLiteral(
            "Usage: mtz4ctl report [--model MODEL] IN.MZ4 -o LIST.pdf|LIST.html\n"
            "Writes the channel list of a clone file for printing: the entries in use, bank\n"
            "by bank, then Program Scan, Search Pass and Priority, each with its label,\n"
            "frequency, mode, step, tone or option, shift and offset, skip, name and note.\n"
            "\n"
            "  --model MODEL     the receiver model named on every page: MT-Z4J (the\n"
            "                    default), MT-Z40E, MT-Z40T or MT-Z40K; options it lacks\n"
            "                    are left out, as in the program's memory list\n"
            "  -o, --output LIST.pdf|LIST.html  the file to write: a PDF document (A4,\n"
            "                    a header with the file name, the model and the date on\n"
            "                    every page) or an HTML page, by its extension\n"
            "\n"
            "An existing output file is replaced only once the new one is complete.\n"
            "Exit status: 0 success, 1 a file failed, 2 bad command line.\n");
    case Subcommand::Ports:
        return QStringLiteral(
            "Usage: mtz4ctl ports\n"
            "Lists the COM port numbers 1 to 16 that --port and the program's COM Port\n"
            "Setup offer, the device each stands for on this system, and whether that\n"
            "device is there now.\n"
            "\n"
            "Exit status: 0.\n");
    case Subcommand::None:
        break;
    }
    return QStringLiteral(
        "Usage: mtz4ctl [--trace FILE] SUBCOMMAND [OPTION]...\n"
        "       mtz4ctl --version\n"
        "Clone read and clone write of MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K receivers.\n"
        "\n"
        "Subcommands:\n"
        "  read    copy the receiver's memory into a clone file (.MZ4)\n"
        "  write   copy a clone file into the receiver\n"
        "  new     write the factory data of a model as a clone file\n"
        "  export  write a clone file's bands, entries, banks and groups as a CSV file\n"
        "  import  merge a CSV file into a clone file's data, written as a new clone file\n"
        "  diff    compare two clone files field by field\n"
        "  report  write a clone file's channel list as a PDF or HTML file for printing\n"
        "  ports   list the COM port numbers and the devices they stand for\n"
        "\n"
        "--trace FILE writes the serial traffic of read and write to FILE.\n"
        "\"mtz4ctl SUBCOMMAND --help\" describes each one.\n"
        "Messages go to standard error: failures as \"mtz4ctl: ERROR: ...\", the success\n"
        "message \"Successed!!\" unless --quiet, and a progress display while entries are\n"
        "transferred when standard error is a terminal.\n"
        "Exit status: 0 success, 1 failure, 2 bad command line.\n");
}

} // namespace mtz4::cli
