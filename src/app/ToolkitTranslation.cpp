#include "app/ToolkitTranslation.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace mtz4 {

bool InstallToolkitTranslation(QCoreApplication& application) {
    if (ProgramTextLanguage() != TextLanguage::Japanese)
        return false;
    // The toolkit's translations folder, and a "translations" folder beside
    // the program, where a Windows installation keeps the toolkit's files.
    const QStringList folders{
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    auto* translator = new QTranslator(&application);
    for (const QString& folder : folders) {
        if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"),
                             QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace mtz4
