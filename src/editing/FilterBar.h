#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace mtz4 {

// The filter box of the Memory page, beside the find bar: the rows to show,
// as frequency ranges, modes, names or notes ("118-137", "FM", "tower"),
// applied as it is typed, and how many rows are shown. Esc in the box clears
// it, which shows every row again.
class FilterBar : public QWidget {
    Q_OBJECT
public:
    explicit FilterBar(QWidget* parent = nullptr);

    QString text() const;
    void clear();
    // Puts the focus in the box with its text selected.
    void open();
    // "12 of 1300 rows shown"; nothing while every row is shown.
    void showCount(int shown, int total);

    QLineEdit* textBox() const { return text_; }

signals:
    void filterChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* text_;
    QLabel* count_;
};

} // namespace mtz4
