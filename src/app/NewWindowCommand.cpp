#include "app/NewWindowCommand.h"

#include "app/CloneFileDialogs.h"
#include "app/WindowFit.h"

#include <QCoreApplication>
#include <QProcess>
#include <QScreen>
#include <QWidget>

namespace mtz4 {

namespace {
// How far a cascaded window lies from the one it was opened from.
constexpr int CascadeStep = 40;
} // namespace

QRect PlacementBeside(const QRect& frame, const QRect& area) {
    QRect beside = frame.translated(frame.width(), 0);
    if (!area.contains(beside))
        beside = frame.translated(CascadeStep, CascadeStep);
    return FitToArea(beside, area);
}

NewWindowCommand::NewWindowCommand(QWidget& window, CloneFileDialogs& fileDialogs, QObject* parent)
    : QObject(parent), window_(window), fileDialogs_(fileDialogs) {
    startProcess = [](const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment) {
        QProcess process;
        process.setProgram(program);
        process.setArguments(arguments);
        process.setProcessEnvironment(environment);
        return process.startDetached();
    };
    screenArea = [this] {
        const QScreen* screen = window_.screen();
        return screen ? screen->availableGeometry() : QRect();
    };
}

bool NewWindowCommand::openNewWindow(const QString& file) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MTZ4_PLACEMENT"),
                       PlacementText(PlacementBeside(window_.frameGeometry(), screenArea())));
    QStringList arguments;
    if (!file.isEmpty())
        arguments << file;
    return startProcess(QCoreApplication::applicationFilePath(), arguments, environment);
}

bool NewWindowCommand::openFileInNewWindow() {
    const QString path = fileDialogs_.chooseFileToOpen(&window_, QString(), FileKind::Clone);
    return !path.isEmpty() && openNewWindow(path);
}

} // namespace mtz4
