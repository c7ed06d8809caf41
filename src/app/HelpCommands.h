#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

namespace mtz4 {

class CommandHost;
class FileCommands;
class Prompter;

// Where the program finds a file installed with it: `installed` below the
// installation's share folder (beside bin), or, in a build folder, the
// built documents. Empty when it is in neither place.
QString InstalledFile(const QString& installed, const QString& built);

// The user guide (docs/guide.md made into HTML when the program is built,
// with its pictures) and the sample clone file, as installed.
QString UserGuidePath();
QString SampleFilePath();

// Help > User Guide (F1) and Help > Open Sample File.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    HelpCommands(FileCommands& files, Prompter& prompter, CommandHost& host,
                 QObject* parent = nullptr);

    // Shows a page in the user's web browser; tests put their own in.
    std::function<bool(const QUrl&)> openUrl;
    // Where the guide and the sample are; tests put their own in.
    QString guidePath = UserGuidePath();
    QString samplePath = SampleFilePath();

    // Opens the guide in the web browser. True when it was handed over.
    bool showUserGuide();
    // Opens the sample as a copy, after the question about unsaved changes.
    bool openSampleFile();

private:
    FileCommands& files_;
    Prompter& prompter_;
    CommandHost& host_;
};

} // namespace mtz4
