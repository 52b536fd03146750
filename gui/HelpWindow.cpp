#include "gui/HelpWindow.h"

#include <QToolBar>
#include <QVBoxLayout>

namespace tarngui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("TarnMap Help");
    resize(560, 480);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    auto* bar = new QToolBar(this);
    QAction* back = bar->addAction("Back", browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction("Forward", browser_, &QTextBrowser::forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle("TarnMap Help - " + browser_->documentTitle()); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
}

void HelpWindow::ShowTopic(const QUrl& url) {
    browser_->setSource(url);
    if (!url.fragment().isEmpty()) {
        browser_->scrollToAnchor(url.fragment());
    }
    show();
    raise();
    activateWindow();
}

}  // namespace tarngui
