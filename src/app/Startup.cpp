#include "app/Startup.h"

#include "app/AboutBox.h"
#include "app/CloneFileDialogs.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/MessageBoxPrompter.h"
#include "app/SplashWindow.h"
#include "app/WindowPlacement.h"
#include "link/Link.h"
#include "model/DataSet.h"
#include "reference/ReferenceTables.h"

#include <QApplication>

namespace mtz4 {

Program::Program(const QStringList& arguments, StartupOptions options) {
    std::unique_ptr<frmSplash> splash;
    if (options.showSplash) {
        splash = std::make_unique<frmSplash>();
        splash->show();
        splash->repaint();
        QApplication::processEvents();
    }

    commandFile_ = CommandFileFromArguments(arguments);

    MessageBoxPrompter* boxes = nullptr;
    Prompter* prompter = options.prompter;
    if (!prompter) {
        // Messages of the start-up appear over the splash window.
        boxes = new MessageBoxPrompter(splash.get());
        ownPrompter_.reset(boxes);
        prompter = boxes;
    }
    CloneFileDialogs* fileDialogs = options.fileDialogs;
    if (!fileDialogs) {
        ownFileDialogs_ = std::make_unique<SystemCloneFileDialogs>();
        fileDialogs = ownFileDialogs_.get();
    }

    InitReferenceTables();
    ds_ = std::make_unique<DataSet>();
    InitTables(*ds_);
    link_ = std::make_unique<Link>(*prompter);

    window_ = std::make_unique<frmMain>(*ds_, *link_, *prompter, *fileDialogs, options.ini);
    window_->Form_Load(commandFile_);

    if (boxes)
        boxes->setParent(window_.get());
    // The splash goes once the main window is on the screen: finishing it
    // before the window is shown would wait for an exposure that cannot come
    // (the toolkit gives up after a second).
    window_->show();
    if (splash)
        splash->finish(window_.get());
}

Program::~Program() = default;

int Main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // These names also place the per-user INI file and the window placement.
    QApplication::setOrganizationName(QString::fromLatin1(PlacementOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(PlacementApplication));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));
    Program program(QApplication::arguments());
    return QApplication::exec();
}

} // namespace mtz4
