#include "link/CloneMessages.h"

#include "model/Prompter.h"

namespace mtz4 {

namespace {

void showResult(Prompter& prompter, LinkResult result, const QString& failed) {
    switch (result) {
    case LinkResult::Success:
        prompter.success();
        return;
    case LinkResult::RegionError:
        prompter.error(RegionErrorMessage);
        return;
    case LinkResult::Failure:
        prompter.error(failed);
        return;
    }
}

} // namespace

void ShowReadResult(Prompter& prompter, LinkResult result) {
    showResult(prompter, result, ReadFailedMessage);
}

void ShowWriteResult(Prompter& prompter, LinkResult result) {
    showResult(prompter, result, WriteFailedMessage);
}

} // namespace mtz4
