#pragma once

#include "link/SerialPortList.h"

#include <QStringList>

namespace mtz4::cli {

struct CliArguments;
class StderrPrompter;

// Exit statuses of the tool.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1; // the receiver, the port or a file failed
inline constexpr int ExitUsage = 2;   // bad command line

// Why the command must not run: one of the files it writes (the output, the
// --trace file) is, through any link, one that it reads or writes as well,
// which it would replace; empty when there is none. The tool then exits
// with ExitUsage.
QString outputNamingAnInput(const CliArguments& args);

// The subcommands. Each reports through the prompter and returns the exit
// status. They need a QCoreApplication: the link waits in its event loop.
int runRead(const CliArguments& args, StderrPrompter& prompter);
int runWrite(const CliArguments& args, StderrPrompter& prompter);
int runNew(const CliArguments& args, StderrPrompter& prompter);
int runDiff(const CliArguments& args, StderrPrompter& prompter);
int runExport(const CliArguments& args, StderrPrompter& prompter);
int runImport(const CliArguments& args, StderrPrompter& prompter);
// Lists the stock lists on standard output, or the rows of the one named.
int runStock(const CliArguments& args, StderrPrompter& prompter);
// Finds the receiver's model and prints it on standard output.
int runIdentify(const CliArguments& args, StderrPrompter& prompter);
// Writes a clone file's channel list as a PDF or HTML file; needs a
// QGuiApplication for a PDF (the fonts).
int runReport(const CliArguments& args, StderrPrompter& prompter);
// Lists the COM port numbers with their devices, then the system's serial
// ports, on standard output.
int runPorts();
// The lines of "mtz4ctl ports" after the port numbers: each port found, one
// a line, with what is known about it; a line saying so when there is none.
QStringList serialPortLines(const QList<SerialPortEntry>& found);

} // namespace mtz4::cli
