#include "cli/StderrPrompter.h"

#include "cli/TerminalText.h"

#include <QStringList>

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
    // A message of several lines gives several lines, each marked as the
    // tool's, in the terminal's encoding (a report may quote notes), with
    // every control character that came from a file shown escaped.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& line : lines.split(QLatin1Char('\n')))
        std::fprintf(stderr, "mtz4ctl: %s\n", TerminalText(line).constData());
    std::fflush(stderr);
}

} // namespace mtz4::cli
