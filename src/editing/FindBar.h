#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace mtz4 {

// The find bar under the memory grid: a text to look for in the frequency,
// name and note of the entries, "Next" and "Previous", and a close button.
// Enter finds the next match, Shift+Enter the previous one, Esc closes.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    QString text() const;
    // Shows the bar with its text selected and the focus in it.
    void open();
    // What the last search found: nothing shows the text in red and says so.
    void showFound(bool found);

    QLineEdit* textBox() const { return text_; }

signals:
    void findNext();
    void findPrevious();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* text_;
    QLabel* result_;
};

} // namespace mtz4
