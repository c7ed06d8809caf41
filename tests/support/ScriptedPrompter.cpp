#include "support/ScriptedPrompter.h"

namespace mtz4::test {

PromptAnswer ScriptedPrompter::ask(const Prompt& prompt) {
    prompts.append(prompt);
    if (prompt.buttons == PromptButtons::Ok)
        return PromptAnswer::Ok;
    if (answers_.isEmpty())
        return prompt.defaultAnswer;
    return answers_.takeFirst();
}

QStringList ScriptedPrompter::texts() const {
    QStringList result;
    for (const Prompt& p : prompts)
        result.append(p.text);
    return result;
}

} // namespace mtz4::test
