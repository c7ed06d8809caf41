#pragma once

#include "model/Prompter.h"

#include <functional>

namespace mtz4 {

// The prompter the desktop program hands to its window, link and files: it
// passes every prompt on to the program's own prompter (message boxes), and
// shows the plain-words line that may follow a failure ("cannot write
// /home/u/radio.MZ4: No space left on device") in the main window's status
// bar as well, and the short lines about something done (status()).
class StatusPrompter : public Prompter {
public:
    explicit StatusPrompter(Prompter& inner) : inner_(inner) {}

    PromptAnswer ask(const Prompt& prompt) override { return inner_.ask(prompt); }
    void notify(const Prompt& prompt) override { inner_.notify(prompt); }
    void report(const Prompt& prompt, const QStringList& details) override {
        inner_.report(prompt, details);
    }
    bool reportOffering(const Prompt& prompt, const QStringList& details,
                        const QString& offer) override {
        return inner_.reportOffering(prompt, details, offer);
    }
    void explain(const QString& reason) override {
        inner_.explain(reason);
        if (show_)
            show_(reason);
    }

    void status(const QString& text) override {
        inner_.status(text);
        if (show_)
            show_(text);
    }

    void setStatusLine(std::function<void(const QString&)> show) { show_ = std::move(show); }

private:
    Prompter& inner_;
    std::function<void(const QString&)> show_;
};

} // namespace mtz4
