#include "app/DetectModel.h"

#include "link/CloneMessages.h"
#include "link/Link.h"
#include "model/Prompter.h"
#include "model/ReferenceTables.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>

namespace mtz4 {

QString DetectModelTitle() {
    return QCoreApplication::translate("DetectModel", "Detect Model");
}

DetectedModel DetectModelAndTell(Link& link) {
    const DetectedModel found = DetectModel(link);
    // A cancelled detection says nothing.
    if (link.cancelled())
        return found;
    if (found.result == LinkResult::RegionError)
        link.prompter().error(NoModelAcceptedText());
    else if (found.result == LinkResult::Failure)
        ShowCloneError(link.prompter(), ReadFailedMessage);
    return found;
}

QString ModelRefusedInWindow(int model) {
    return ModelRefusedText(model) +
           QCoreApplication::translate(
               "DetectModel", "; choose the receiver's model on Settings 1, or find it with Tool > "
                              "Detect Model");
}

QString ModelFoundInWindow(int model) {
    return QCoreApplication::translate("DetectModel", "the receiver accepted %1")
        .arg(ModelName(model));
}

} // namespace mtz4
