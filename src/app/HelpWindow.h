#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace mtz4 {

// The user guide in a window of the program: the guide's HTML with its
// pictures in a text browser, a search box (Enter finds the next match,
// from the top again after the last), and "Open in Web Browser", which
// hands the page to the system's browser (openUrl).
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the guide at `path`, at the section `anchor` (an id of the
    // page; empty: its top), and brings the window to the front.
    void showSection(const QString& path, const QString& anchor);
    // Finds the next `text` in the guide; false when it holds none.
    bool findNext(const QString& text);

    std::function<bool(const QUrl&)> openUrl;
    QTextBrowser* browser() const { return browser_; }
    QLineEdit* searchBox() const { return search_; }
    QPushButton* browserButton() const { return openInBrowser_; }

private:
    QTextBrowser* browser_ = nullptr;
    QLineEdit* search_ = nullptr;
    QPushButton* openInBrowser_ = nullptr;
};

} // namespace mtz4
