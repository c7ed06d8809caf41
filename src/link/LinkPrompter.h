#pragma once

#include "model/Prompter.h"

#include <QList>
#include <QStringList>
#include <utility>

namespace mtz4 {

// The prompter the link procedures talk to: it passes every message on to
// the program's prompter and keeps the texts shown since the last
// clearShown(), so that the window can say afterwards what ended a clone
// command. While muted (a cancelled read) nothing is shown and every
// question gets its default answer.
//
// While held, plain messages (the success message "Successed!!") wait
// instead of being shown: a command that still has work after the link's
// success (reading back a write, saving the file read) releases them only
// once that has worked, and drops them otherwise.
class LinkPrompter : public Prompter {
public:
    explicit LinkPrompter(Prompter& target) : target_(target) {}

    PromptAnswer ask(const Prompt& prompt) override {
        if (muted_)
            return prompt.defaultAnswer;
        const bool plain =
            prompt.icon == PromptIcon::Information || prompt.icon == PromptIcon::None;
        if (holding_ && plain && prompt.buttons == PromptButtons::Ok) {
            held_ << prompt;
            return PromptAnswer::Ok;
        }
        shown_ << prompt.text;
        return target_.ask(prompt);
    }

    void holdSuccess() { holding_ = true; }
    void releaseSuccess() {
        holding_ = false;
        const QList<Prompt> held = std::exchange(held_, {});
        for (const Prompt& prompt : held)
            ask(prompt);
    }
    void dropSuccess() {
        holding_ = false;
        held_.clear();
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
    bool holding_ = false;
    QList<Prompt> held_;
    QStringList shown_;
};

} // namespace mtz4
