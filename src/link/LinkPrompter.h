#pragma once

#include "model/Prompter.h"

#include <QStringList>

namespace mtz4 {

// The prompter the link procedures talk to: it passes every message on to
// the program's prompter and keeps the texts shown since the last
// clearShown(), for the window's account of how a clone command ended.
// While muted (a cancelled read) nothing is shown and every question gets
// its default answer.
class LinkPrompter : public Prompter {
public:
    explicit LinkPrompter(Prompter& target) : target_(target) {}

    PromptAnswer ask(const Prompt& prompt) override {
        if (muted_)
            return prompt.defaultAnswer;
        shown_ << prompt.text;
        return target_.ask(prompt);
    }
    void notify(const Prompt& prompt) override {
        if (!muted_)
            target_.notify(prompt);
    }
    void explain(const QString& reason) override {
        if (!muted_)
            target_.explain(reason);
    }

    void setMuted(bool muted) { muted_ = muted; }
    bool muted() const { return muted_; }
    const QStringList& shown() const { return shown_; }
    void clearShown() { shown_.clear(); }

private:
    Prompter& target_;
    bool muted_ = false;
    QStringList shown_;
};

} // namespace mtz4
