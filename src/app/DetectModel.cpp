#include "app/DetectModel.h"

#include "link/CloneMessages.h"
#include "link/Link.h"
#include "model/Prompter.h"
#include "model/ReferenceTables.h"
#include "model/TextLanguage.h"

namespace mtz4 {

QString DetectModelTitle() {
    return InLanguage("Detect Model", "機種を検出");
}

DetectedModel DetectModelAndTell(Link& link) {
    const DetectedModel found = DetectModel(link);
    // A cancelled detection says nothing.
    if (link.cancelled())
        return found;
    if (found.result == LinkResult::RegionError)
        link.prompter().error(NoModelAcceptedText());
    else if (found.result == LinkResult::Failure)
        link.prompter().error(ReadFailedMessage);
    return found;
}

QString ModelRefusedInWindow(int model) {
    return ModelRefusedText(model) +
           InLanguage("; choose the receiver's model on Settings 1, or find it with Tool > "
                      "Detect Model",
                      "。Settings 1 で受信機の機種を選ぶか、ﾂｰﾙ > 機種を検出 "
                      "で調べてください");
}

QString ModelFoundInWindow(int model) {
    return InLanguage("the receiver accepted %1", "受信機は %1 を受け付けました")
        .arg(ModelName(model));
}

} // namespace mtz4
