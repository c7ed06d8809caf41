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

bool OfferDetectedModel(Prompter& prompter, int found, int selected) {
    const QString name = ModelName(found);
    if (found == selected) {
        prompter.ask({InLanguage("The receiver accepted the model %1, the one selected on "
                                 "Settings 1.",
                                 "受信機は機種 %1 を受け付けました。Settings 1 で選択されている"
                                 "機種です。")
                          .arg(name),
                      DetectModelTitle(), PromptIcon::Information, PromptButtons::Ok,
                      PromptAnswer::Ok});
        return false;
    }
    const QString text =
        InLanguage("The receiver accepted the model %1, but Settings 1 has %2 selected.\r\n\r\n"
                   "Select %1 on Settings 1? As when you choose it there, the data start "
                   "afresh from the factory data of %1.",
                   "受信機は機種 %1 を受け付けましたが、Settings 1 では %2 "
                   "が選択されています。\r\n\r\nSettings 1 で %1 を選択しますか? "
                   "そこで選択したときと同じく、データは %1 の工場出荷時のデータから始まります。")
            .arg(name, ModelName(selected));
    return prompter.ask({text, DetectModelTitle(), PromptIcon::Exclamation, PromptButtons::YesNo,
                         PromptAnswer::Yes}) == PromptAnswer::Yes;
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
