#include "model/TextLanguage.h"

#include <QLocale>

namespace mtz4 {

namespace {

QString& CurrentLanguage() {
    static QString code = QStringLiteral("en");
    return code;
}

} // namespace

QString ProgramLanguage() {
    return CurrentLanguage();
}

void SetProgramLanguage(const QString& code) {
    CurrentLanguage() = code;
}

TextLanguage ProgramTextLanguage() {
    const QString& code = CurrentLanguage();
    if (code == QLatin1String("en"))
        return TextLanguage::English;
    return code == QLatin1String("ja") ? TextLanguage::Japanese : TextLanguage::Other;
}

QString SystemLanguage() {
    return QLocale::system().name().section(QLatin1Char('_'), 0, 0);
}

} // namespace mtz4
