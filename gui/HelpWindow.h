// The help window: the component's HTML help pages in a QTextBrowser, with back and forward.
#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace tarngui {

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page (and the place in it that the URL's fragment names) and raises the window.
    void ShowTopic(const QUrl& url);
    QUrl Source() const { return browser_->source(); }
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace tarngui
