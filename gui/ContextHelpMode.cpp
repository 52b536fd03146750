#include "gui/ContextHelpMode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "gui/ReportViews.h"
#include "platform/windows/Keys.h"
#include "platform/windows/Messages.h"
#include "platform/windows/Window.h"

namespace tarngui {
namespace {

// The platform control a widget (or the widget it lies in) shows; null for none.
tarnui::Window* PlatformWindowAt(QObject* object) {
    for (auto* w = qobject_cast<QWidget*>(object); w != nullptr; w = w->parentWidget()) {
        if (auto* list = dynamic_cast<ListView*>(w)) {
            return list->Control();
        }
        if (auto* tree = dynamic_cast<TreeView*>(w)) {
            return tree->Control();
        }
    }
    return nullptr;
}

// F1 to the window and then its parents, as a key pressed in it would go.
void AskForHelp(tarnui::Window* window) {
    for (; window != nullptr; window = window->GetParent()) {
        if (window->SendMessage(tarnui::kMsgKeyDown, tarnui::kKeyF1, 0) != 0) {
            return;
        }
    }
}

}  // namespace

ContextHelpMode::~ContextHelpMode() {
    Leave();
}

void ContextHelpMode::Enter() {
    if (on_) {
        return;
    }
    on_ = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
}

void ContextHelpMode::Leave() {
    if (!on_) {
        return;
    }
    on_ = false;
    QApplication::restoreOverrideCursor();
}

bool ContextHelpMode::eventFilter(QObject* watched, QEvent* e) {
    if (!watched->isWidgetType()) {
        // The window system's event: the widget it reaches comes through here next.
        return QObject::eventFilter(watched, e);
    }
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (on_) {
                Leave();
                swallowRelease_ = true;
                AskForHelp(PlatformWindowAt(watched));
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (swallowRelease_) {
                swallowRelease_ = false;
                qApp->removeEventFilter(this);
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (on_ && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
                Leave();
                qApp->removeEventFilter(this);
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace tarngui
