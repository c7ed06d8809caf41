#include "cli/StderrPrompter.h"

#include <cstdio>

namespace mtz4::cli {

PromptAnswer StderrPrompter::ask(const Prompt& prompt) {
    const bool plain = prompt.icon == PromptIcon::Information || prompt.icon == PromptIcon::None;
    if (!(plain && quiet_)) {
        note(plain ? prompt.text
                   : (prompt.title.isEmpty() ? QString() : prompt.title + QStringLiteral(": ")) +
                         prompt.text);
    }
    return prompt.buttons == PromptButtons::Ok ? PromptAnswer::Ok : prompt.defaultAnswer;
}

void StderrPrompter::note(const QString& text) {
    if (beforeMessage)
        beforeMessage();
    std::fprintf(stderr, "mtz4ctl: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace mtz4::cli
