#include "link/ModelDetection.h"

#include "model/Limits.h"
#include "model/ReferenceTables.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>

namespace mtz4 {

DetectedModel DetectModel(Link& link) {
    for (int model = 0; model < ModelCount; ++model) {
        const LinkResult identified = SendIdentification(link, model);
        if (identified == LinkResult::RegionError)
            continue;
        if (identified != LinkResult::Success)
            return {identified, -1};
        const LinkResult confirmed = ConfirmCloneMode(link);
        return {confirmed, confirmed == LinkResult::Success ? model : -1};
    }
    return {LinkResult::RegionError, -1};
}

QString ModelRefusedText(int modelIndex) {
    return QCoreApplication::translate("ModelDetection",
                                       "the receiver did not accept the selected model %1")
        .arg(ModelName(modelIndex));
}

QString NoModelAcceptedText() {
    return QCoreApplication::translate(
        "ModelDetection", "The receiver accepted none of the models MT-Z4J, MT-Z40E, MT-Z40T and "
                          "MT-Z40K.");
}

} // namespace mtz4
