// The texts of "mtz4ctl --help" and "mtz4ctl SUBCOMMAND --help".
#include "cli/CliArguments.h"

#include <QCoreApplication>

namespace mtz4::cli {

namespace {

// The options that name the port, shared by read, write and identify.
QString PortOptionsHelp() {
    return QCoreApplication::translate(
        "CliUsage",
        "  --device PATH     the serial device the receiver is on: a path (/dev/ttyUSB0,\n"
        "                    /dev/serial/by-id/...) or a name (ttyACM0, COM3); \"mtz4ctl\n"
        "                    ports\" lists them\n"
        "  --port N          COM port N (1..16) instead: the device named by the\n"
        "                    environment variable MTZ4_COMn, else /dev/ttyUSB<n-1>\n"
        "                    when it exists, else /dev/ttyS<n-1>\n");
}
QString TraceOptionHelp() {
    return QCoreApplication::translate(
        "CliUsage",
        "  --trace FILE      write every command and reply on the line to FILE, with\n"
        "                    the time, the direction and the outcome of each exchange;\n"
        "                    FILE is replaced when the command ends, and left as it was\n"
        "                    when the trace cannot be written (exit status 1)\n");
}
// The options that name the receiver, shared by read and write.
QString ReceiverOptionsHelp() {
    return PortOptionsHelp() +
           QCoreApplication::translate(
               "CliUsage",
               "  --model MODEL     the receiver model: MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K\n") +
           TraceOptionHelp();
}
// What a "Region Error" means, for read and write.
QString RegionErrorHelp() {
    return QCoreApplication::translate(
        "CliUsage",
        "\"Region Error\" means the receiver did not accept MODEL: \"mtz4ctl identify\"\n"
        "finds its model.\n");
}

// The option of every command that reads or writes notes.
QString CodePageHelp() {
    return QCoreApplication::translate(
        "CliUsage",
        "  --code-page NAME  the code page of the notes in clone and CSV files:\n"
        "                    windows-1252 (Western), shift_jis (Japanese), windows-1250\n"
        "                    (Central European), windows-1251 (Cyrillic), windows-1253\n"
        "                    (Greek) or windows-1254 (Turkish), or its number (1252,\n"
        "                    932, ...); by default shift_jis under a Japanese locale,\n"
        "                    windows-1252 elsewhere. A note that is not changed is\n"
        "                    written back byte for byte whatever the code page\n");
}

} // namespace

QString usageText(Subcommand subcommand) {
    switch (subcommand) {
    case Subcommand::Read:
        return QCoreApplication::translate(
                   "CliUsage", "Usage: mtz4ctl read (--device PATH | --port N) --model MODEL\n"
                               "                    [--settings | --memory | --all] [--quick]\n"
                               "                    [--base IN.MZ4] [--code-page NAME] -o OUT.MZ4\n"
                               "Clone read: copies the receiver's memory into a clone file.\n"
                               "\n") +
               ReceiverOptionsHelp() +
               QCoreApplication::translate(
                   "CliUsage",
                   "  --settings        read the settings and the band VFO records only\n"
                   "  --memory          read the memory only: enables, banks, groups, entries\n"
                   "  --all             read the settings, then the memory (the default)\n"
                   "  --quick           read the memory entries in use only: after the enable\n"
                   "                    bitmap, fetch just the blocks of enabled entries; the\n"
                   "                    data and OUT.MZ4 come out as a full read's would\n"
                   "  --base IN.MZ4     read into this clone file's data (its notes are kept)\n"
                   "                    instead of the factory data of MODEL\n"
                   "  -o, --output OUT.MZ4  the clone file to write\n"
                   "  -q, --quiet       no progress display and no success message\n") +
               CodePageHelp() +
               QCoreApplication::translate(
                   "CliUsage",
                   "\n"
                   "OUT.MZ4 is written only after a complete read: a failed read leaves no file\n"
                   "(and an existing OUT.MZ4 untouched). The receiver stays in clone mode.\n") +
               RegionErrorHelp() +
               QCoreApplication::translate(
                   "CliUsage",
                   "Exit status: 0 success, 1 the read or a file failed, 2 bad command line.\n");
    case Subcommand::Write:
        return QCoreApplication::translate(
                   "CliUsage", "Usage: mtz4ctl write (--device PATH | --port N) --model MODEL\n"
                               "                     [--settings | --memory | --all] [--verify]\n"
                               "                     [--code-page NAME] IN.MZ4\n"
                               "Clone write: copies a clone file into the receiver.\n"
                               "\n") +
               ReceiverOptionsHelp() +
               QCoreApplication::translate(
                   "CliUsage",
                   "  --settings        write the settings and the band VFO records only; the\n"
                   "                    receiver stays in clone mode\n"
                   "  --memory          write the memory (banks, groups, entries), then end\n"
                   "                    clone mode (\"QZ~FINISH\")\n"
                   "  --all             write the settings, then the memory, then end clone mode\n"
                   "                    (the default)\n"
                   "  --verify          after the write, read back what was written (the memory\n"
                   "                    entries in use, and the settings with --all) and compare:\n"
                   "                    a difference fails the write and is listed\n"
                   "  -q, --quiet       no progress display and no success message\n") +
               CodePageHelp() +
               QCoreApplication::translate(
                   "CliUsage",
                   "\n"
                   "The bank sizes must add up to 1000 channels unless the receiver is already\n"
                   "in clone mode.\n") +
               RegionErrorHelp() +
               QCoreApplication::translate(
                   "CliUsage",
                   "Exit status: 0 success, 1 the write or the file failed, 2 bad command line.\n");
    case Subcommand::New:
        return QCoreApplication::translate(
                   "CliUsage", "Usage: mtz4ctl new --model MODEL [--code-page NAME] -o OUT.MZ4\n"
                               "Writes the factory data of a receiver model as a clone file.\n"
                               "\n"
                               "  --model MODEL     MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K\n"
                               "  -o, --output OUT.MZ4  the clone file to write\n") +
               CodePageHelp() +
               QCoreApplication::translate(
                   "CliUsage", "\n"
                               "Exit status: 0 success, 1 the file could not be written, 2 bad "
                               "command line.\n");
    case Subcommand::Diff:
        return QCoreApplication::translate(
                   "CliUsage",
                   "Usage: mtz4ctl diff [--model MODEL] [--code-page NAME] A.MZ4 B.MZ4\n"
                   "Compares two clone files field by field and prints every difference on a line\n"
                   "of its own, for example:\n"
                   "  03-012 Frequency: 145.500000 -> 145.520000\n"
                   "(the memory entries by their row labels, \"Band N\" for the VFO records,\n"
                   "\"Bank N Size\", the group boxes as \"GRPn Bank N\", \"Settings\" and the "
                   "caption\n"
                   "of each setting). Notes are printed in the terminal's encoding; two notes\n"
                   "that read alike but whose bytes differ get a line of their own:\n"
                   "  00-003 Note bytes differ: 81 20 78 -> 82 20 78\n"
                   "\n"
                   "  --model MODEL     the receiver model the files are for: MT-Z4J (the "
                   "default),\n"
                   "                    MT-Z40E, MT-Z40T or MT-Z40K\n") +
               CodePageHelp() +
               QCoreApplication::translate(
                   "CliUsage", "\n"
                               "Exit status: 0 the two hold the same data, 1 they differ, 2 bad "
                               "command line or\n"
                               "a file that cannot be loaded.\n");
    case Subcommand::Export:
        return QCoreApplication::translate(
                   "CliUsage",
                   "Usage: mtz4ctl export [--model MODEL] [--format csv|chirp] [--utf8]\n"
                   "                      [--code-page NAME] IN.MZ4 OUT.csv\n"
                   "Writes the bands, memory entries, bank sizes and groups of a clone file as a\n"
                   "CSV file, for editing in a spreadsheet (the settings are not part of it).\n"
                   "\n"
                   "  --model MODEL     the receiver model: MT-Z4J (the default), MT-Z40E, "
                   "MT-Z40T\n"
                   "                    or MT-Z40K; its factory VFO records stand for bands the\n"
                   "                    clone file leaves unused\n"
                   "\n"
                   "  --format chirp    write CHIRP's generic CSV instead: one row per enabled\n"
                   "                    memory channel, in UTF-8; standard error names each\n"
                   "                    Train carrier and Secret code it has no field for\n"
                   "  --utf8            write the CSV file as UTF-8 with a byte-order mark, as\n"
                   "                    spreadsheets take it, instead of in the code page (which\n"
                   "                    keeps every note byte for byte; standard error names a\n"
                   "                    note whose bytes UTF-8 cannot hold)\n") +
               CodePageHelp() +
               QCoreApplication::translate(
                   "CliUsage",
                   "\n"
                   "An existing OUT.csv is replaced only once the new one is complete.\n"
                   "Exit status: 0 success, 1 a file failed, 2 bad command line.\n");
    case Subcommand::Import:
        return QCoreApplication::translate(
                   "CliUsage",
                   "Usage: mtz4ctl import [--model MODEL] [--format csv|chirp|columns]\n"
                   "                      [--map COLUMN=FIELD]... [--into BANK | --at LABEL | "
                   "--free]\n"
                   "                      [--replace] [--code-page NAME] [--dry-run]\n"
                   "                      BASE.MZ4 (IN.csv | --stock NAME) -o OUT.MZ4\n"
                   "Merges a CSV file (or a stock list) into a clone file's data and writes the\n"
                   "result as a new clone file.\n"
                   "\n"
                   "  --model MODEL     the receiver model: MT-Z4J (the default), MT-Z40E, "
                   "MT-Z40T\n"
                   "                    or MT-Z40K; OUT.MZ4 holds only the options it has (MT-Z4J\n"
                   "                    has no \"Scr\", MT-Z40E no \"Train\", the others neither)\n"
                   "  --format csv|chirp|columns  the format IN.csv must have; without it, the\n"
                   "                    file's own lines tell: CHIRP's generic CSV (a first line\n"
                   "                    naming Location and Frequency: Location n becomes memory\n"
                   "                    channel n), the program's (lines that begin with\n"
                   "                    \"MT-Z4\"), or any file whose first row names its columns\n"
                   "                    (columns: \"Frequenz;Modus;Name;Bemerkung\", \"Freq "
                   "(MHz),\n"
                   "                    Alpha Tag,Mode,Description\"), separated by commas,\n"
                   "                    semicolons or TABs, in English, German or Japanese words\n"
                   "  --map COLUMN=FIELD  for such a file: the column (its header text, any case,\n"
                   "                    or its number from 1) holds FIELD: frequency, mode, step,\n"
                   "                    name, note, tone, offset, skip, list, position or none\n"
                   "                    (not imported); may be given for several columns. The\n"
                   "                    mapping is printed on standard error before the report\n"
                   "  --into BANK       the memory channel rows go into bank BANK (0..49) from "
                   "its\n"
                   "                    first channel; the bank grows into the free channels at\n"
                   "                    the end of the other banks (the total stays 1000), and\n"
                   "                    the report says so\n"
                   "  --at LABEL        they go into consecutive entries from the row LABEL on\n"
                   "                    (03-012, 12A, S5, Pr3), within its list (a bank grows)\n"
                   "  --free            they go into the entries not in use, in bank order\n"
                   "                    Without these the rows go as numbered in the file (the\n"
                   "                    program's own CSV, CHIRP's Location, a Location or Memory\n"
                   "                    column), or into the free entries when they have no\n"
                   "                    numbers. Program Scan, Search Pass and Priority rows keep\n"
                   "                    their own lists (their free entries); a destination\n"
                   "                    leaves out the VFO, bank size and group lines of a file\n"
                   "                    of the program's own. Rows that do not fit are reported\n"
                   "  --replace         let the rows replace entries in use; without it an import\n"
                   "                    with --into, --at, --free, --stock or a file with a "
                   "header\n"
                   "                    row that would replace some writes nothing and says how\n"
                   "                    many\n"
                   "  --stock NAME      import a stock list that comes with the program in place\n"
                   "                    of IN.csv (\"mtz4ctl stock\" lists them); into the free\n"
                   "                    entries unless --into or --at says otherwise\n"
                   "  --dry-run         print the report only; write nothing (-o not needed)\n"
                   "  -o, --output OUT.MZ4  the clone file to write\n") +
               CodePageHelp() +
               QCoreApplication::translate(
                   "CliUsage",
                   "\n"
                   "Every valid line of IN.csv replaces its band, entry, bank size or group "
                   "box;\n"
                   "what IN.csv does not supply keeps the value of BASE.MZ4, and lines that "
                   "break\n"
                   "the rules are passed over. Notes come in as written, names in upper case\n"
                   "(letters a to z). Fields may be separated by commas, semicolons or TABs;\n"
                   "numbers are read whole, with a decimal point or comma and in exponent\n"
                   "notation, and a line with a number that is not one, or with more fields than\n"
                   "its columns (a decimal comma outside quotes), is passed over. A line given\n"
                   "twice: the later one is taken. IN.csv is read as UTF-8 when it is UTF-8 and\n"
                   "starts with a byte-order mark or holds characters beyond ASCII, else in the\n"
                   "code page, every byte kept. A character that the code\n"
                   "page (for notes) or the receiver (for names, codes 32..126) cannot hold\n"
                   "becomes its base letter or \"?\", a TAB or line break a space, and a note\n"
                   "longer than 255 characters is cut: the row is kept, and standard error names\n"
                   "each row so changed. Lines the model refuses are passed over: the\n"
                   "MT-Z40T's cellular ranges, a VFO frequency outside its band, a Search Pass\n"
                   "frequency given twice, an option the model lacks. A report on standard\n"
                   "error counts the lines applied and names each line changed or passed over,\n"
                   "with the reason (--quiet leaves out a report that names none), and the\n"
                   "columns of a file with a header row that were not imported; a warning\n"
                   "says which bank sizes the save cuts when they do not add up to 1000. The\n"
                   "report ends with what the import changed in the entries in use, and a\n"
                   "warning says how many it replaces. A file of no format, or with no\n"
                   "line to apply, fails. OUT.MZ4 is written only after a complete import: one\n"
                   "that stops at a line (a bank or group number that is none) fails, and the\n"
                   "report names that line, why it stopped and how many lines after it were not\n"
                   "read. OUT.MZ4 may be BASE.MZ4 (updated in place), never IN.csv.\n"
                   "Exit status: 0 success, 1 a file failed (or the import would replace entries\n"
                   "in use without --replace), 2 bad command line.\n");
    case Subcommand::Stock:
        return QCoreApplication::translate(
            "CliUsage",
            "Usage: mtz4ctl stock [--model MODEL] [NAME]\n"
            "Lists the stock lists that come with the program (public channels: marine\n"
            "VHF, PMR446, FRS/GMRS, MURS, CB, NOAA weather, aviation, amateur calling,\n"
            "broadcast bands, airband ...), one a line on standard output: its NAME, its\n"
            "title, region and purpose. With NAME, the source of that list and its rows as\n"
            "an import reads them for MODEL (MT-Z4J by default): frequency, mode, step,\n"
            "tone, list, name and note. \"mtz4ctl import --stock NAME\" imports one.\n"
            "\n"
            "Exit status: 0 success, 1 no stock list is installed, 2 bad command line or\n"
            "no list NAME.\n");
    case Subcommand::Ports:
        return QCoreApplication::translate(
            "CliUsage",
            "Usage: mtz4ctl ports\n"
            "Lists the COM port numbers 1 to 16 that --port and the program's COM Port\n"
            "Setup offer, the device each stands for on this system, and whether that\n"
            "device is there now. Then, after an empty line, every serial port the system\n"
            "has, one a line (ttyS, ttyUSB, ttyACM and the stable names in\n"
            "/dev/serial/by-id on Linux, COMn on Windows, cu.* on macOS), with its\n"
            "description, maker, USB vendor:product and serial number where known; each\n"
            "of them can be given to --device.\n"
            "\n"
            "Exit status: 0.\n");
    case Subcommand::Identify:
        return QCoreApplication::translate(
                   "CliUsage",
                   "Usage: mtz4ctl identify (--device PATH | --port N)\n"
                   "Finds the receiver's model: sends the identification of each model in turn\n"
                   "(MT-Z4J, MT-Z40E, MT-Z40T, MT-Z40K) until the receiver accepts one, and\n"
                   "prints the name of that model on standard output. Only what brings the\n"
                   "receiver into clone mode before every read is sent: the identifications,\n"
                   "the one-byte write at 0FD01h after the accepted one, and the probe of 0022h;\n"
                   "no channel or setting is read or written. The receiver is left in clone\n"
                   "mode, as after a read.\n"
                   "\n") +
               PortOptionsHelp() + TraceOptionHelp() +
               QCoreApplication::translate(
                   "CliUsage",
                   "\n"
                   "Exit status: 0 a model was accepted, 1 none was (the receiver refused them\n"
                   "all, did not answer, or the port failed), 2 bad command line.\n");
    case Subcommand::Report:
        return QCoreApplication::translate(
                   "CliUsage",
                   "Usage: mtz4ctl report [--model MODEL] [--code-page NAME] IN.MZ4\n"
                   "                      -o LIST.pdf|LIST.html\n"
                   "Writes the channel list of a clone file for printing: the entries in use, "
                   "bank\n"
                   "by bank, then Program Scan, Search Pass and Priority, each with its label,\n"
                   "frequency, mode, step, tone or option, shift and offset, skip, name and note.\n"
                   "\n"
                   "  --model MODEL     the receiver model named on every page: MT-Z4J (the\n"
                   "                    default), MT-Z40E, MT-Z40T or MT-Z40K; options it lacks\n"
                   "                    are left out, as in the program's memory list\n"
                   "  -o, --output LIST.pdf|LIST.html  the file to write: a PDF document (A4,\n"
                   "                    a header with the file name, the model and the date on\n"
                   "                    every page) or an HTML page, by its extension\n") +
               CodePageHelp() +
               QCoreApplication::translate(
                   "CliUsage", "\n"
                               "An existing output file is replaced only once the new one is "
                               "complete.\n"
                               "Exit status: 0 success, 1 a file failed, 2 bad command line.\n");
    case Subcommand::None:
        break;
    }
    return QCoreApplication::translate(
        "CliUsage",
        "Usage: mtz4ctl [--trace FILE] SUBCOMMAND [OPTION]...\n"
        "       mtz4ctl --version\n"
        "Clone read and clone write of MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K receivers.\n"
        "\n"
        "Subcommands:\n"
        "  read    copy the receiver's memory into a clone file (.MZ4)\n"
        "  write   copy a clone file into the receiver\n"
        "  new     write the factory data of a model as a clone file\n"
        "  export  write a clone file's bands, entries, banks and groups as a CSV file\n"
        "  import  merge a CSV file or a stock list into a clone file's data, written as a\n"
        "          new clone file\n"
        "  diff    compare two clone files field by field\n"
        "  report  write a clone file's channel list as a PDF or HTML file for printing\n"
        "  ports   list the COM port numbers and the serial ports of this system\n"
        "  identify  find the receiver's model and print it\n"
        "  stock   list the stock lists of public channels that come with the program\n"
        "\n"
        "--trace FILE writes the serial traffic of read, write and identify to FILE.\n"
        "\"mtz4ctl SUBCOMMAND --help\" describes each one.\n"
        "Without --model, export, import, diff, report and stock take the files as\n"
        "MT-Z4J's and say so on standard error (unless --quiet).\n"
        "Messages go to standard error: failures as \"mtz4ctl: ERROR: ...\" with the\n"
        "reason on the next line, the success message \"Successed!!\" unless --quiet,\n"
        "and a progress display while entries are transferred when standard error is a\n"
        "terminal. Messages are in the language of the locale; what goes to standard\n"
        "output (diff lines, the port list, the model identify prints) and the exit\n"
        "status are the same in every language. Text from files and the receiver is\n"
        "printed with its control characters escaped (\\x1b). Every file is written\n"
        "beside the old one and put in its place only once complete; no output may be\n"
        "a file that the command reads, however it is named (a link): such a command\n"
        "line is refused.\n"
        "Exit status: 0 success, 1 failure, 2 bad command line.\n");
}

} // namespace mtz4::cli
