#pragma once

#include "model/TextLanguage.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

namespace mtz4 {

class CommandHost;
class FileCommands;
class HelpWindow;
class Prompter;

// Where the program finds a file installed with it: `installed` below the
// installation's share folder (beside bin), or, in a build folder, the
// built documents. Empty when it is in neither place.
QString InstalledFile(const QString& installed, const QString& built);

// The user guide (docs/guide.md made into HTML when the program is built,
// with its pictures) in a language ("ja": guide.ja.html, the English guide
// where there is no translation), and the sample clone file, as installed.
QString UserGuidePath(const QString& language = ProgramLanguage());
QString SampleFilePath();

// Help > User Guide (F1) and Help > Open Sample File.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    HelpCommands(FileCommands& files, Prompter& prompter, CommandHost& host,
                 QObject* parent = nullptr);

    // Shows a page in the user's web browser; tests put their own in.
    std::function<bool(const QUrl&)> openUrl;
    // The guide's section for what the window shows (an id of the page,
    // "6-editing"); empty: the top.
    std::function<QString()> sectionInView;
    // Where the guide and the sample are; tests put their own in.
    QString guidePath = UserGuidePath();
    QString samplePath = SampleFilePath();

    // Shows the guide in the program's help window, at the section for the
    // page in view; its "Open in Web Browser" hands it to the system's
    // browser. True when it was shown.
    bool showUserGuide();
    // The help window, once the guide has been shown.
    HelpWindow* helpWindow() const { return window_; }
    // Opens the sample as a copy, after the question about unsaved changes.
    bool openSampleFile();

private:
    // The page handed to the web browser; a message when none could start.
    bool openInBrowser(const QUrl& url);

    FileCommands& files_;
    Prompter& prompter_;
    CommandHost& host_;
    HelpWindow* window_ = nullptr;
};

} // namespace mtz4
