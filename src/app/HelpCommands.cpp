#include "app/HelpCommands.h"

#include "app/CommandHost.h"
#include "app/FileCommands.h"
#include "app/HelpWindow.h"
#include "app/ResourceTexts.h"
#include "model/Prompter.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace mtz4 {

namespace {

const QString ProgramName = QStringLiteral("mtz4clone");

} // namespace

QString InstalledFile(const QString& installed, const QString& built) {
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& path : {bin.filePath(QStringLiteral("../share/") + installed),
                                bin.filePath(QStringLiteral("../doc/") + built)}) {
        if (QFileInfo(path).isFile())
            return QFileInfo(path).canonicalFilePath();
    }
    return {};
}

QString UserGuidePath(const QString& language) {
    // guide.ja.html for Japanese; the English guide.html for a language
    // the guide has not been translated into.
    const QString installed = QStringLiteral("doc/") + ProgramName + QLatin1Char('/');
    if (!language.isEmpty() && language != QLatin1String("en")) {
        const QString page = QStringLiteral("guide.%1.html").arg(language);
        const QString translated = InstalledFile(installed + page, page);
        if (!translated.isEmpty())
            return translated;
    }
    return InstalledFile(installed + QStringLiteral("guide.html"), QStringLiteral("guide.html"));
}

QString SampleFilePath() {
    return InstalledFile(ProgramName + QStringLiteral("/sample.MZ4"), QStringLiteral("sample.MZ4"));
}

HelpCommands::HelpCommands(FileCommands& files, Prompter& prompter, CommandHost& host,
                           QObject* parent)
    : QObject(parent), files_(files), prompter_(prompter), host_(host) {
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

bool HelpCommands::showUserGuide() {
    if (guidePath.isEmpty()) {
        prompter_.ask(
            {QCoreApplication::translate(
                 "HelpCommands", "The user guide is not installed with this copy of the program."),
             QCoreApplication::translate("HelpCommands", "User Guide"), PromptIcon::Exclamation,
             PromptButtons::Ok, PromptAnswer::Ok});
        return false;
    }
    if (!window_) {
        window_ = new HelpWindow(host_.dialogParent());
        window_->openUrl = [this](const QUrl& url) { return openInBrowser(url); };
    }
    window_->showSection(guidePath, sectionInView ? sectionInView() : QString());
    return true;
}

bool HelpCommands::openInBrowser(const QUrl& url) {
    if (openUrl(url))
        return true;
    prompter_.ask(
        {QCoreApplication::translate(
             "HelpCommands", "No web browser could be started to show the user guide; it is "
                             "the file %1.")
             .arg(QDir::toNativeSeparators(guidePath)),
         QCoreApplication::translate("HelpCommands", "User Guide"), PromptIcon::Exclamation,
         PromptButtons::Ok, PromptAnswer::Ok});
    return false;
}

bool HelpCommands::openSampleFile() {
    if (samplePath.isEmpty()) {
        host_.showStatusText(QCoreApplication::translate(
            "HelpCommands", "The sample file is not installed with this copy of the "
                            "program."));
        return false;
    }
    if (!files_.askToSaveChanges())
        return false;
    return files_.openCopy(samplePath, ResourceText(Text::SampleCaption));
}

} // namespace mtz4
