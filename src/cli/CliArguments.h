#pragma once

#include "model/CodePage.h"

#include <QString>
#include <QStringList>

namespace mtz4::cli {

// What the command line asks for.
enum class Subcommand {
    None,
    Read,
    Write,
    New,
    Export,
    Import,
    Diff,
    Ports,
    Identify,
    Report,
    Stock
};
// The kind of CSV file export and import handle: the program's own, CHIRP's
// generic CSV (--format chirp), or (import only) anyone's whose first row
// names its columns (--format columns).
enum class CsvFormat { Own, Chirp, Columns };
// Which part of the receiver a read or write covers.
enum class Scope { All, Settings, Memory };

struct CliArguments {
    Subcommand subcommand = Subcommand::None;
    bool help = false;    // --help: show the help of the subcommand (or the tool)
    bool version = false; // --version: show the tool's version
    bool quiet = false;   // --quiet: no progress and no success message
    QString device;       // --device PATH
    int port = 0;         // --port N (1..16), 0 when not given
    int model = -1;       // --model MODEL, as a model index 0..3
    Scope scope = Scope::All;
    QString base;   // read: --base IN.MZ4
    QString output; // read, new, import: -o OUT.MZ4; report: -o LIST.pdf
    QString input;  // write, export, report: IN.MZ4; import: BASE.MZ4; diff: A.MZ4; stock: NAME
    QString csv;    // export: OUT.csv; import: IN.csv; diff: B.MZ4
    CsvFormat format = CsvFormat::Own; // export, import: --format
    bool formatGiven = false;          // --format was given: import takes no other format
    bool dryRun = false;               // import: --dry-run, report only, write nothing
    // import: where the rows go: --into BANK (0..49; -1 not given), --at
    // LABEL (a row label), --free; --replace lets them replace entries in
    // use; --map COLUMN=FIELD (each given); --stock NAME in place of IN.csv.
    int intoBank = -1;
    QString atLabel;
    bool freeEntries = false;
    bool replace = false;
    QStringList maps;
    QString stock; // import: --stock NAME; stock: the NAME to show (input)
    QString trace; // --trace FILE: the serial traffic of read and write
    // --code-page NAME: the code page of the notes in clone and CSV files;
    // by default the one for the language of the locale.
    CodePage codePage = DefaultCodePage(ProgramTextLanguage());
    bool utf8 = false; // export: --utf8, the CSV file as UTF-8 with a byte-order mark

    // read: --quick, fetch only the entry blocks of enabled entries
    bool quick = false;
    // write: --verify, read back what was written and compare
    bool verify = false;
};

// Parses the arguments after the program name. Options take their value as
// the next argument or after "=". Returns false with a message in `error`
// for anything the subcommand does not take or lacks.
bool parseArguments(const QStringList& args, CliArguments& parsed, QString& error);

// What `mtz4ctl report` writes, by the extension of its output file.
enum class ReportKind { None, Pdf, Html };
ReportKind reportKindOf(const QString& path);

// The model index of a model name ("MT-Z4J" 0 .. "MT-Z40K" 3, any case), or
// -1 for no model.
int modelIndexOf(const QString& name);

// The text of --help for a subcommand (None: the tool as a whole).
QString usageText(Subcommand subcommand);

} // namespace mtz4::cli
