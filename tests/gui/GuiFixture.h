// What the desktop front end's tests share: a Qt backend in use, the demo workspace, the
// widgets of the open views, and answering modal widgets that a step opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "gui/MainWindow.h"
#include "gui/ReportViews.h"
#include "gui/ViewToolbar.h"
#include "host/cli/session/MapSession.h"
#include "platform/controls/ListControl.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "tests/support/TempDir.h"

namespace gui_testing {

using tarnhost::ReadAll;

// The push button of a dialog or message box with this text, mnemonic left out; or null.
inline QPushButton* Button(QWidget* modal, const QString& text) {
    for (auto* button : modal->findChildren<QPushButton*>()) {
        if (button->text().remove('&') == text) {
            return button;
        }
    }
    return nullptr;
}

// Clicks that button; the test fails when there is none.
inline void Press(QWidget* modal, const QString& text) {
    QPushButton* button = Button(modal, text);
    ASSERT_NE(button, nullptr) << "no button " << text.toStdString();
    button->click();
}

// The list control of a Map view.
inline tarnui::ListControl* ListIn(const tarnui::Window& view) {
    for (tarnui::Window* child : view.Children()) {
        if (auto* list = dynamic_cast<tarnui::ListControl*>(child)) {
            return list;
        }
    }
    return nullptr;
}

// A scratch directory holding copies of these files (paths relative to the source tree).
inline std::unique_ptr<tarnhost::TempDir> CopiesOf(std::initializer_list<const char*> files) {
    auto dir = std::make_unique<tarnhost::TempDir>();
    for (const char* file : files) {
        const std::filesystem::path from = std::filesystem::path(TARN_SOURCE_DIR) / file;
        std::filesystem::copy_file(from, dir->Path() / from.filename());
    }
    return dir;
}

class GuiTest : public ::testing::Test {
protected:
    tarngui::QtBackend backend;
    tarnui::ScopedBackend use{backend};
    QObject steps_;                               // the pending WhenShown steps
    std::unique_ptr<tarngui::MainWindow> shown_;  // the window OpenWindow opened

    static std::string Demo() {
        return std::string(TARN_SOURCE_DIR) + "/examples/demo/demo.tarnws";
    }

    // A shown main window, kept by the test, with the workspace and these Map windows open and
    // painted; null, with the test failed, when one of them does not open.
    tarngui::MainWindow* OpenWindow(const std::string& workspace,
                                    std::initializer_list<const char*> mapWindows) {
        shown_ = std::make_unique<tarngui::MainWindow>(backend);
        shown_->show();
        if (!shown_->OpenWorkspace(workspace)) {
            ADD_FAILURE() << "cannot open " << workspace;
            return nullptr;
        }
        for (const char* name : mapWindows) {
            if (!shown_->OpenMapWindow(name)) {
                ADD_FAILURE() << "cannot open the Map window " << name;
                return nullptr;
            }
        }
        QApplication::processEvents();
        return shown_.get();
    }

    // The Qt widget of a widget type whose platform control lies in the named view.
    template <typename View>
    static View* ViewWidget(tarngui::MainWindow& window, const std::string& viewName) {
        const tarnui::Window* view = window.Session()->FindView(viewName);
        for (auto* widget : window.findChildren<View*>()) {
            if (widget->Control() != nullptr && widget->Control()->GetParent() == view) {
                return widget;
            }
        }
        return nullptr;
    }

    // The toolbar button of a command in the pane of the named view's widget.
    template <typename View>
    static QAction* ToolbarButton(tarngui::MainWindow& window, const std::string& viewName,
                                  int command) {
        View* view = ViewWidget<View>(window, viewName);
        if (view == nullptr) {
            return nullptr;
        }
        for (auto* bar : view->parentWidget()->template findChildren<tarngui::ViewToolbar*>()) {
            for (QAction* a : bar->actions()) {
                if (a->data().toInt() == command) {
                    return a;
                }
            }
        }
        return nullptr;
    }

    // Runs `step` on the event loop until it says it is done (a modal widget it waits for
    // has appeared), at most for a few seconds and never after the test.
    void WhenShown(std::function<bool()> step) {
        auto* timer = new QTimer(&steps_);
        auto tries = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, [timer, tries, step] {
            if (step() || ++*tries > 300) {
                timer->stop();
                timer->deleteLater();
            }
        });
        timer->start(10);
    }
};

}  // namespace gui_testing
