#pragma once

#include "app/WindowFit.h"
#include "files/IniFile.h"

#include <QStringList>
#include <memory>

namespace mtz4 {

struct DataSet;
class CloneFileDialogs;
class FileCommands;
class Link;
class Prompter;
class StatusPrompter;
class frmMain;

// What the program runs with. Left empty, the program uses message boxes,
// the toolkit's file dialogs, the system serial ports and the INI file
// beside the executable; tests put their own in.
struct StartupOptions {
    Prompter* prompter = nullptr;
    CloneFileDialogs* fileDialogs = nullptr;
    IniLocation ini = DefaultIniLocation();
    bool showSplash = true;
    // Where the window opens instead of at its start size: the environment
    // variable MTZ4_PLACEMENT ("left,top,width,height"), which File > New
    // Window sets for the window it starts beside this one.
    QRect placement = PlacementOfText(qEnvironmentVariable("MTZ4_PLACEMENT"));
    // The screens' available areas; left empty, the system's.
    WindowFit::ScreenArea screenArea{};
};

// The running program: the data set, the link, the main window and what
// they talk to. Needs a QApplication.
class Program {
public:
    // The start-up: the splash window, the reference tables and the empty
    // data set, the main window's initialisation with the clone file named
    // in `arguments` (the process arguments, program name first), the splash
    // goes, the main window is shown.
    Program(const QStringList& arguments, StartupOptions options = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DataSet& dataSet() { return *ds_; }
    Link& link() { return *link_; }
    frmMain& mainWindow() { return *window_; }
    // The main window's file commands (where tests put their own import
    // dialogs in).
    FileCommands& fileCommands();
    // The clone file path taken from the command line.
    const QString& commandFile() const { return commandFile_; }

private:
    std::unique_ptr<Prompter> ownPrompter_;
    std::unique_ptr<CloneFileDialogs> ownFileDialogs_;
    std::unique_ptr<StatusPrompter> statusPrompter_;
    std::unique_ptr<DataSet> ds_;
    std::unique_ptr<Link> link_;
    std::unique_ptr<frmMain> window_;
    QString commandFile_;
};

// The program's entry point: the application object, the start-up, then the
// event loop until the main window has closed. Returns the exit code.
int Main(int argc, char* argv[]);

} // namespace mtz4
