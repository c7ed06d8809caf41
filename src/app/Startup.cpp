#include "app/Startup.h"

#include "app/AboutBox.h"
#include "app/CloneFileDialogs.h"
#include "app/CloseOnSignal.h"
#include "app/CommandLine.h"
#include "app/LanguageMenu.h"
#include "app/MainWindow.h"
#include "app/MessageBoxPrompter.h"
#include "app/SplashWindow.h"
#include "app/StatusPrompter.h"
#include "app/WindowPlacement.h"
#include "link/Link.h"
#include "model/DataSet.h"
#include "model/ProgramTranslations.h"
#include "model/ReferenceTables.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

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
    statusPrompter_ = std::make_unique<StatusPrompter>(*prompter);
    link_ = std::make_unique<Link>(*statusPrompter_);
    // MTZ4_TRACE=FILE records the serial traffic, for diagnosing a receiver
    // that will not clone.
    const QString tracePath = qEnvironmentVariable("MTZ4_TRACE");
    QString traceError;
    if (!tracePath.isEmpty() && !link_->startTrace(tracePath, traceError))
        std::fprintf(stderr, "mtz4clone: %s\n", traceError.toLocal8Bit().constData());

    window_ = std::make_unique<frmMain>(*ds_, *link_, *statusPrompter_, *fileDialogs, options.ini);
    // The plain-words line after a failure goes to the status bar, also for
    // the file named on the command line.
    frmMain* window = window_.get();
    statusPrompter_->setStatusLine(
        [window](const QString& reason) { window->showStatusText(reason); });
    if (options.screenArea)
        window_->windowFit().setScreenArea(options.screenArea);
    window_->windowFit().setPlacement(options.placement);
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

FileCommands& Program::fileCommands() {
    return window_->fileCommands();
}

Program::~Program() {
    // The trace replaces its file now; one that could not be kept is said
    // where its start would have been.
    QString traceError;
    if (link_ && !link_->finishTrace(traceError))
        std::fprintf(stderr, "mtz4clone: %s\n", traceError.toLocal8Bit().constData());
}

int Main(int argc, char* argv[]) {
    // Answered without a display: no window is opened for them.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!InformationRequested(arguments).isEmpty()) {
        // The help is told in the program's language, without a window.
        QCoreApplication core(argc, argv);
        QCoreApplication::setOrganizationName(QString::fromLatin1(PlacementOrganisation));
        QCoreApplication::setApplicationName(QString::fromLatin1(PlacementApplication));
        InstallTranslations(core, ReadLanguageChoice());
        std::fputs(InformationRequested(arguments).toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    // These names also place the per-user INI file and the window placement.
    QApplication::setOrganizationName(QString::fromLatin1(PlacementOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(PlacementApplication));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));
    // The desktop entry that started it, and the icon it shows there too.
    QGuiApplication::setDesktopFileName(QStringLiteral("mtz4clone"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/mtz4clone-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    InstallTranslations(app, ReadLanguageChoice());
    Program program(QApplication::arguments());
    const CloseOnSignal closeOnSignal(program.mainWindow());
    return QApplication::exec();
}

} // namespace mtz4
