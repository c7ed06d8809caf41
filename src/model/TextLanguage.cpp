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

QString Counted(qsizetype count, const QString& one, const QString& many) {
    return QString::number(count) + QLatin1Char(' ') + (count == 1 ? one : many);
}

} // namespace mtz4
