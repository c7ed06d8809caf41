#pragma once

#include "model/Prompter.h"

#include <functional>

namespace mtz4::cli {

// The tool's messages, on standard error, one line each:
//   failures      "mtz4ctl: ERROR: Read Failed..." (the title, then the text)
//   warnings      "mtz4ctl: Warning: ..."
//   success       "mtz4ctl: Successed!!" (left out when quiet)
//   reasons       "mtz4ctl: cannot write /x/radio.MZ4: ..." (after a failure)
// Nobody is there to answer a question: it takes its default answer.
class StderrPrompter : public Prompter {
public:
    explicit StderrPrompter(bool quiet) : quiet_(quiet) {}

    PromptAnswer ask(const Prompt& prompt) override;
    void explain(const QString& reason) override { note(reason); }

    // Called before each message is written (the progress display ends its
    // line there).
    std::function<void()> beforeMessage;

    // Writes "mtz4ctl: " and the text as a line of its own (each line of a
    // text of several lines).
    void note(const QString& text);

private:
    bool quiet_;
};

} // namespace mtz4::cli
