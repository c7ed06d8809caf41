#include "cli/StderrPrompter.h"

#include <cstdio>
#include <utility>

namespace mtz4::cli {

PromptAnswer StderrPrompter::ask(const Prompt& prompt) {
    const bool plain = prompt.icon == PromptIcon::Information || prompt.icon == PromptIcon::None;
    if (plain && holding_) {
        held_.append(prompt.text);
    } else if (!(plain && quiet_)) {
        note(plain ? prompt.text
                   : (prompt.title.isEmpty() ? QString() : prompt.title + QStringLiteral(": ")) +
                         prompt.text);
    }
    return prompt.buttons == PromptButtons::Ok ? PromptAnswer::Ok : prompt.defaultAnswer;
}

void StderrPrompter::releaseSuccess() {
    holding_ = false;
    const QStringList texts = std::exchange(held_, {});
    if (!quiet_)
        for (const QString& text : texts)
            note(text);
}

void StderrPrompter::dropSuccess() {
    holding_ = false;
    held_.clear();
}

void StderrPrompter::note(const QString& text) {
    if (beforeMessage)
        beforeMessage();
    // A message of several lines gives several lines, each marked as the tool's.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& line : lines.split(QLatin1Char('\n')))
        std::fprintf(stderr, "mtz4ctl: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace mtz4::cli
