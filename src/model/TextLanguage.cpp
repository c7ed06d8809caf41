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

} // namespace mtz4
