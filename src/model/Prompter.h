#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace mtz4 {

// Every message box and question of the program goes through this interface:
// message boxes in the desktop program, standard error in the command-line
// tool, a scripted double in the tests. Link and file code only ever talk to
// a Prompter.
enum class PromptIcon { None, Information, Exclamation, Critical };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct Prompt {
    QString text;
    QString title;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    PromptAnswer defaultAnswer = PromptAnswer::Ok;
    // Why, in plain words, below the text of a failure message (the
    // message box's second line); empty when there is nothing to add.
    QString reason{};
    // The Yes and No buttons' own words, where the answers are choices
    // rather than yes and no ("Keep these channels"); empty: Yes and No.
    QString yesText{};
    QString noText{};
};

// "ERROR" in the user's language: the title of every failure message, and
// the whole text of a few.
inline QString ErrorText() {
    return QCoreApplication::translate("Prompter", "ERROR");
}

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows the prompt and returns the user's answer (Ok for a plain message).
    virtual PromptAnswer ask(const Prompt& prompt) = 0;
    // Shows a plain message without waiting for the user to close it, where
    // the program goes on meanwhile (a clone command running).
    virtual void notify(const Prompt& prompt) { ask(prompt); }
    // A report (an import's or a paste's): a plain message whose text shows
    // a summary and the first lines, with every line in `details` (empty
    // when the text holds them all). The desktop program shows the details
    // in a scrollable list below the text, in a dialog never taller than the
    // screen; by default the text alone is shown.
    virtual void report(const Prompt& prompt, const QStringList& details) {
        (void)details;
        ask(prompt);
    }

    // A report that offers one more thing to do, on a button of its own
    // beside OK (`offer`, "Compare"): true when the user chose it. By
    // default the report is shown as report() shows it, and nothing chosen.
    virtual bool reportOffering(const Prompt& prompt, const QStringList& details,
                                const QString& offer) {
        (void)offer;
        report(prompt, details);
        return false;
    }

    // A short line about something done that needs no answer ("3 rows
    // pasted, 0 skipped"): the desktop program shows it in the status bar.
    // Ignored unless overridden.
    virtual void status(const QString& text) { (void)text; }

    // One line in plain words that follows a failure message when there is
    // more to say than its fixed text: which file or port, and what is wrong
    // with it ("cannot write /home/u/radio.MZ4: No space left on device").
    // The command-line tool writes it on standard error; the desktop program
    // shows it in the status bar. Ignored unless overridden.
    virtual void explain(const QString& reason) { (void)reason; }

    // A failure message: title "ERROR", error icon, OK button; the reason,
    // when given, below the text and then through explain().
    void error(const QString& text, const QString& reason = {}) {
        ask({text, ErrorText(), PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok, reason});
        if (!reason.isEmpty())
            explain(reason);
    }
    // The success message "Successed!!" with the title "Success".
    void success() {
        ask({QCoreApplication::translate("Prompter", "Successed!!"),
             QCoreApplication::translate("Prompter", "Success"), PromptIcon::Information,
             PromptButtons::Ok, PromptAnswer::Ok});
    }
};

} // namespace mtz4
