#pragma once

#include "model/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace mtz4 {

// The desktop program's Prompter: every prompt is a modal message box with
// the prompt's title, text, icon and buttons, over the given parent window.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}

    // The window the message boxes are centred on (none: the screen).
    void setParent(QWidget* parent) { parent_ = parent; }

    // Closing the box by its frame or Escape answers Cancel where there is a
    // Cancel button, No for a Yes/No question, Ok for a plain message.
    PromptAnswer ask(const Prompt& prompt) override;
    // A message box that stays open while the program goes on.
    void notify(const Prompt& prompt) override;
    // A report in a dialog of its own (ReportDialog), never taller than the screen.
    void report(const Prompt& prompt, const QStringList& details) override;
    bool reportOffering(const Prompt& prompt, const QStringList& details,
                        const QString& offer) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace mtz4
