#include "cli/CliArguments.h"

#include "link/PortDevice.h"
#include "model/Limits.h"

#include <QCoreApplication>
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
    if (word == QLatin1String("identify"))
        return Subcommand::Identify;
    if (word == QLatin1String("report"))
        return Subcommand::Report;
    if (word == QLatin1String("stock"))
        return Subcommand::Stock;
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
            error =
                QCoreApplication::translate("CliArguments", "option %1 needs a value").arg(option);
            return false;
        }
        if (into.isEmpty()) {
            error =
                QCoreApplication::translate("CliArguments", "option %1 needs a value").arg(option);
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
    // Every command that reads or writes a clone file or a CSV file has notes.
    if (option == QLatin1String("--code-page"))
        return subcommand != Subcommand::Ports && subcommand != Subcommand::Identify &&
               subcommand != Subcommand::Stock && subcommand != Subcommand::None;
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
    case Subcommand::Import: {
        static const QStringList importing{QStringLiteral("-o"),       QStringLiteral("--output"),
                                           QStringLiteral("--format"), QStringLiteral("--dry-run"),
                                           QStringLiteral("--into"),   QStringLiteral("--at"),
                                           QStringLiteral("--free"),   QStringLiteral("--replace"),
                                           QStringLiteral("--map"),    QStringLiteral("--stock")};
        return importing.contains(option);
    }
    case Subcommand::Export:
        return option == QLatin1String("--format") || option == QLatin1String("--utf8");
    case Subcommand::Identify:
        return option == QLatin1String("--device") || option == QLatin1String("--port") ||
               option == QLatin1String("--trace");
    case Subcommand::Diff:
    case Subcommand::Ports:
    case Subcommand::Stock:
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
    case Subcommand::Stock:
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
    case Subcommand::Identify:
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
            error = QCoreApplication::translate(
                "CliArguments", "the two clone files to compare (A.MZ4 B.MZ4) are required");
    } else if (a.subcommand == Subcommand::Report) {
        if (a.input.isEmpty())
            error =
                QCoreApplication::translate("CliArguments", "the clone file (IN.MZ4) is required");
        else if (reportKindOf(a.output) == ReportKind::None)
            error = QCoreApplication::translate("CliArguments",
                                                "-o LIST.pdf or -o LIST.html is required");
    } else if (a.subcommand == Subcommand::Export) {
        if (a.input.isEmpty() || a.csv.isEmpty())
            error = QCoreApplication::translate(
                "CliArguments", "the clone file (IN.MZ4) and the CSV file to write (OUT.csv) "
                                "are required");
    } else if (!a.stock.isEmpty() && !a.csv.isEmpty()) {
        error = QCoreApplication::translate("CliArguments",
                                            "--stock NAME and IN.csv exclude each other");
    } else if (!a.stock.isEmpty() && (a.formatGiven || !a.maps.isEmpty())) {
        error = QCoreApplication::translate("CliArguments",
                                            "--stock NAME takes no --format and no --map");
    } else if (a.input.isEmpty() || (a.csv.isEmpty() && a.stock.isEmpty())) {
        error = QCoreApplication::translate(
            "CliArguments", "the clone file (BASE.MZ4) and the CSV file to import (IN.csv) are "
                            "required");
    } else if ((a.intoBank >= 0) + !a.atLabel.isEmpty() + a.freeEntries > 1) {
        error = QCoreApplication::translate("CliArguments",
                                            "--into, --at and --free exclude each other");
    } else if (a.output.isEmpty() && !a.dryRun) {
        error = QCoreApplication::translate("CliArguments", "-o OUT.MZ4 is required");
    }
    return error.isEmpty();
}

// A command that talks to the receiver needs either --device or --port.
bool namesOnePort(const CliArguments& a, QString& error) {
    if (a.device.isEmpty() == (a.port == 0))
        error = a.device.isEmpty()
                    ? QCoreApplication::translate("CliArguments",
                                                  "--device PATH or --port N is required")
                    : QCoreApplication::translate("CliArguments",
                                                  "--device and --port exclude each other");
    return error.isEmpty();
}

// The checks that need every option: what must be there and what excludes what.
bool complete(const CliArguments& a, int scopes, QString& error) {
    if (a.subcommand == Subcommand::Ports || a.subcommand == Subcommand::Stock)
        return true;
    if (a.subcommand == Subcommand::Export || a.subcommand == Subcommand::Import ||
        a.subcommand == Subcommand::Diff || a.subcommand == Subcommand::Report)
        return completeFileCommand(a, error);
    if (a.subcommand == Subcommand::Identify)
        return namesOnePort(a, error);
    if (a.model < 0) {
        error = QCoreApplication::translate(
            "CliArguments", "--model MODEL is required (MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K)");
        return false;
    }
    if (a.subcommand == Subcommand::New) {
        if (a.output.isEmpty())
            error = QCoreApplication::translate("CliArguments", "-o OUT.MZ4 is required");
        return error.isEmpty();
    }
    if (!namesOnePort(a, error))
        return false;
    if (scopes > 1) {
        error = QCoreApplication::translate("CliArguments",
                                            "--settings, --memory and --all exclude each other");
        return false;
    }
    if (a.subcommand == Subcommand::Read && a.output.isEmpty())
        error = QCoreApplication::translate("CliArguments", "-o OUT.MZ4 is required");
    else if (a.quick && a.scope == Scope::Settings)
        error = QCoreApplication::translate(
            "CliArguments", "--quick reads the memory; it does not go with --settings");
    else if (a.verify && a.scope == Scope::Settings)
        error = QCoreApplication::translate(
            "CliArguments", "--verify reads back the memory; it does not go with --settings");
    if (a.subcommand == Subcommand::Write && a.input.isEmpty())
        error = QCoreApplication::translate("CliArguments",
                                            "the clone file to write (IN.MZ4) is required");
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
        error =
            QCoreApplication::translate("CliArguments", "no subcommand given (read, write or new)");
        return false;
    }
    QString first = reader.take();
    // --trace FILE may also come before the subcommand.
    while (first == QLatin1String("--trace")) {
        if (!reader.value(first, a.trace, error))
            return false;
        if (reader.atEnd()) {
            error = QCoreApplication::translate("CliArguments",
                                                "no subcommand given (read, write or new)");
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
        error = QCoreApplication::translate("CliArguments",
                                            "unknown subcommand \"%1\" (read, write or new)")
                    .arg(first);
        return false;
    }

    int scopes = 0;
    while (!reader.atEnd()) {
        const QString arg = reader.take();
        const bool isOption = arg.startsWith(QLatin1Char('-')) && arg.size() > 1;
        if (!isOption) {
            QString* slot = nextPositional(a);
            if (!slot) {
                error = QCoreApplication::translate("CliArguments", "unexpected argument \"%1\"")
                            .arg(arg);
                return false;
            }
            *slot = arg;
            continue;
        }
        if (!takes(a.subcommand, arg)) {
            error = QCoreApplication::translate("CliArguments", "unknown option %1").arg(arg);
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
        } else if (arg == QLatin1String("--utf8")) {
            a.utf8 = true;
        } else if (arg == QLatin1String("--dry-run")) {
            a.dryRun = true;
        } else if (arg == QLatin1String("--free")) {
            a.freeEntries = true;
        } else if (arg == QLatin1String("--replace")) {
            a.replace = true;
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
                    error = QCoreApplication::translate(
                                "CliArguments", "unknown model \"%1\" (MT-Z4J, MT-Z40E, MT-Z40T or "
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
                    error = QCoreApplication::translate("CliArguments",
                                                        "--port takes a number from %1 to %2")
                                .arg(FirstPortNumber)
                                .arg(LastPortNumber);
                    return false;
                }
            } else if (arg == QLatin1String("--format")) {
                a.formatGiven = true;
                if (value == QLatin1String("chirp")) {
                    a.format = CsvFormat::Chirp;
                } else if (value == QLatin1String("csv")) {
                    a.format = CsvFormat::Own;
                } else if (value == QLatin1String("columns") &&
                           a.subcommand == Subcommand::Import) {
                    a.format = CsvFormat::Columns;
                } else {
                    error =
                        a.subcommand == Subcommand::Import
                            ? QCoreApplication::translate(
                                  "CliArguments", "unknown format \"%1\" (csv, chirp or columns)")
                                  .arg(value)
                            : QCoreApplication::translate("CliArguments",
                                                          "unknown format \"%1\" (csv or chirp)")
                                  .arg(value);
                    return false;
                }
            } else if (arg == QLatin1String("--into")) {
                bool ok = false;
                a.intoBank = value.toInt(&ok);
                if (!ok || a.intoBank < 0 || a.intoBank >= BankCount) {
                    error = QCoreApplication::translate("CliArguments",
                                                        "--into takes a bank number from 0 to 49");
                    return false;
                }
            } else if (arg == QLatin1String("--at")) {
                a.atLabel = value;
            } else if (arg == QLatin1String("--map")) {
                a.maps << value;
            } else if (arg == QLatin1String("--stock")) {
                a.stock = value;
            } else if (arg == QLatin1String("--code-page")) {
                const std::optional<CodePage> page = CodePageOfName(value);
                if (!page) {
                    QStringList names;
                    for (const CodePage p : NoteCodePages())
                        names << CodePageName(p);
                    error =
                        QCoreApplication::translate(
                            "CliArguments", "unknown code page \"%1\" (%2, or the number: 1252, "
                                            "932 ...)")
                            .arg(value, names.join(QStringLiteral(", ")));
                    return false;
                }
                a.codePage = *page;
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
            error =
                QCoreApplication::translate("CliArguments", "option %1 takes no value").arg(arg);
            return false;
        }
    }
    if (a.help)
        return true;
    return complete(a, scopes, error);
}

} // namespace mtz4::cli
