#include "app/HelpWindow.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

constexpr int StartWidth = 800;
constexpr int StartHeight = 700;

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QCoreApplication::translate("HelpWindow", "User Guide"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    // Links to other sites go to the system's browser.
    browser_->setOpenExternalLinks(true);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("helpSearch"));
    search_->setPlaceholderText(QCoreApplication::translate("HelpWindow", "Search the guide"));
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::returnPressed, this, [this] { findNext(search_->text()); });
    openInBrowser_ =
        new QPushButton(QCoreApplication::translate("HelpWindow", "Open in Web Browser"), this);
    openInBrowser_->setObjectName(QStringLiteral("helpOpenInBrowser"));
    connect(openInBrowser_, &QPushButton::clicked, this, [this] {
        if (openUrl)
            openUrl(browser_->source());
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QCoreApplication::translate("HelpWindow", "Find:"), this));
    bar->addWidget(search_, 1);
    bar->addWidget(openInBrowser_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);
    resize(StartWidth, StartHeight);
}

void HelpWindow::showSection(const QString& path, const QString& anchor) {
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    browser_->setSource(url);
    if (!anchor.isEmpty())
        browser_->scrollToAnchor(anchor);
    show();
    raise();
    activateWindow();
}

bool HelpWindow::findNext(const QString& text) {
    if (text.isEmpty())
        return false;
    if (browser_->find(text))
        return true;
    // From the top again.
    QTextCursor top = browser_->textCursor();
    top.movePosition(QTextCursor::Start);
    browser_->setTextCursor(top);
    return browser_->find(text);
}

} // namespace mtz4
