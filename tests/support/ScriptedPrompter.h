#pragma once

#include "model/Prompter.h"

#include <QList>
#include <QStringList>

namespace mtz4::test {

// A Prompter for tests: records every prompt and answers from a script.
// Plain messages (OK button only) are answered Ok without consuming the script;
// questions take the next scripted answer, or their default answer when the
// script is empty.
class ScriptedPrompter : public Prompter {
public:
    PromptAnswer ask(const Prompt& prompt) override;
    void explain(const QString& reason) override { reasons.append(reason); }
    void status(const QString& text) override { statuses.append(text); }
    void report(const Prompt& prompt, const QStringList& lines) override {
        details = lines;
        ask(prompt);
    }
    // Records the offer, and chooses it when `chooseOffer` says so.
    bool reportOffering(const Prompt& prompt, const QStringList& lines,
                        const QString& offer) override {
        offers << offer;
        report(prompt, lines);
        return chooseOffer;
    }

    void script(std::initializer_list<PromptAnswer> answers) { answers_.append(answers); }

    QList<Prompt> prompts;     // everything asked, in order
    QStringList texts() const; // the texts of `prompts`
    QStringList reasons;       // every explain(), in order
    QStringList details;       // the details of the last report()
    QStringList statuses;      // every status(), in order
    QStringList offers;        // every reportOffering()'s offer, in order
    bool chooseOffer = false;  // the answer to reportOffering()
    void clear() {
        prompts.clear();
        reasons.clear();
        details.clear();
        statuses.clear();
        offers.clear();
        answers_.clear();
    }

private:
    QList<PromptAnswer> answers_;
};

} // namespace mtz4::test
