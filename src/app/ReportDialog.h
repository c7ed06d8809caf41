#pragma once

#include "model/Prompter.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListView;

namespace mtz4 {

// A report (an import's, a paste's): the icon and the summary with its first
// lines, and below them, when there are more, every line in a scrollable
// list; an OK button. Never taller than the screen it opens on: the summary
// scrolls as well when the screen is small.
class ReportDialog : public QDialog {
    Q_OBJECT
public:
    // `offer`, when given, is a button beside OK that closes the dialog as
    // well, having been chosen (offerChosen).
    ReportDialog(const Prompt& prompt, const QStringList& details, QWidget* parent = nullptr,
                 const QString& offer = {});

    QLabel* summary() const { return summary_; }
    bool offerChosen() const { return offerChosen_; }
    // The list of every line; null when the summary holds them all.
    QListView* details() const { return details_; }

private:
    QLabel* summary_ = nullptr;
    QListView* details_ = nullptr;
    bool offerChosen_ = false;
};

} // namespace mtz4
