#include "model/ProgramTranslations.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace mtz4 {

namespace {

const QString FilePrefix = QStringLiteral("mtz4clone_");

QString FileOf(const QString& code) {
    for (const QString& folder : TranslationFolders()) {
        const QString path = QDir(folder).filePath(FilePrefix + code + QStringLiteral(".qm"));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

// Loads one file into a translator owned by the application and installs
// it; a later one is asked first.
bool Install(QCoreApplication& application, const QString& path) {
    auto* translator = new QTranslator(&application);
    if (path.isEmpty() || !translator->load(path)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

bool InstallToolkit(QCoreApplication& application, const QString& code) {
    const QStringList folders{
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& folder : folders) {
        const QString path =
            QDir(folder).filePath(QStringLiteral("qtbase_") + code + QStringLiteral(".qm"));
        if (QFileInfo(path).isFile())
            return Install(application, path);
    }
    return false;
}

} // namespace

QStringList TranslationFolders() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(QStringLiteral("translations")),
            bin.filePath(QStringLiteral("../share/mtz4clone/translations")),
            bin.filePath(QStringLiteral("../translations"))};
}

QStringList AvailableLanguages() {
    QStringList codes;
    for (const QString& folder : TranslationFolders()) {
        const QStringList files =
            QDir(folder).entryList({FilePrefix + QStringLiteral("*.qm")}, QDir::Files);
        for (const QString& file : files) {
            const QString code = file.mid(FilePrefix.size()).chopped(3);
            if (code != QLatin1String("en") && !codes.contains(code))
                codes << code;
        }
    }
    codes.sort();
    codes.prepend(QStringLiteral("en"));
    return codes;
}

QString StartLanguage(const QString& choice) {
    const QStringList available = AvailableLanguages();
    if (!choice.isEmpty() && available.contains(choice))
        return choice;
    const QString system = SystemLanguage();
    return available.contains(system) ? system : QStringLiteral("en");
}

QString InstallTranslations(QCoreApplication& application, const QString& choice) {
    const QString code = StartLanguage(choice);
    if (code != QLatin1String("en"))
        InstallToolkit(application, code);
    Install(application, FileOf(QStringLiteral("en")));
    if (code != QLatin1String("en"))
        Install(application, FileOf(code));
    SetProgramLanguage(code);
    return code;
}

} // namespace mtz4
