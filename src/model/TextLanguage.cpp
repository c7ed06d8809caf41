#include "model/TextLanguage.h"

#include <QLocale>

namespace mtz4 {

TextLanguage SystemTextLanguage() {
    return QLocale::system().language() == QLocale::Japanese ? TextLanguage::Japanese
                                                             : TextLanguage::English;
}

QString InLanguage(const char* english, const char* japanese) {
    return QString::fromUtf8(SystemTextLanguage() == TextLanguage::Japanese ? japanese : english);
}

QString Counted(qsizetype count, const QString& one, const QString& many) {
    return QString::number(count) + QLatin1Char(' ') + (count == 1 ? one : many);
}

} // namespace mtz4
