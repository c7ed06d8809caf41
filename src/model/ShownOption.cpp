#include "model/ShownOption.h"

#include "model/Limits.h"

namespace mtz4 {

QString ShownOptionText(const QString& option, int model) {
    const bool secret = option == QLatin1String("Scr");
    const bool train = option == QLatin1String("Train");
    if ((secret && model != Model::MTZ40E) || (train && model != Model::MTZ4J))
        return QStringLiteral("OFF");
    return option;
}

} // namespace mtz4
