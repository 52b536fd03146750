// The main window's own menus on Qt's offscreen platform: "Map..." with its dialog, the
// workspace saved, closed and reopened from the recent list, closing with unsaved section
// settings, the display options and the source window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <unistd.h>

#include "gui/DialogWidget.h"
#include "gui/MainWindow.h"
#include "gui/OptionsDialog.h"
#include "gui/ReportViews.h"
#include "gui/SourceViewer.h"
#include "host/cli/session/MapSession.h"
#include "host/cli/session/ViewActions.h"
#include "host/lib/WorkspaceClients.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/controls/ListControl.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"

namespace {

namespace fs = std::filesystem;

// The user's settings and options go to a directory of this run, never to the real ones.
class UserFilesOfThisRun : public ::testing::Environment {
public:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tarnmap-gui-user-" + std::to_string(getpid()));
        fs::create_directories(dir_);
        setenv("TARNMAP_CONFIG_DIR", dir_.c_str(), 1);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(dir_.string()));
    }
    void TearDown() override { fs::remove_all(dir_); }

private:
    fs::path dir_;
};
[[maybe_unused]] ::testing::Environment* const kUserFiles =
    ::testing::AddGlobalTestEnvironment(std::make_unique<UserFilesOfThisRun>().release());

std::string ReadText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

QPushButton* ButtonNamed(QWidget* parent, const QString& text) {
    for (auto* button : parent->findChildren<QPushButton*>()) {
        if (button->text().remove('&') == text) {
            return button;
        }
    }
    return nullptr;
}

// Runs `answer` on the next modal window once it is up (a dialog or message box).
void OnNextModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        answer(modal);
    });
}

tarnui::ListControl* ListIn(tarnui::Window& view) {
    for (tarnui::Window* child : view.Children()) {
        if (auto* list = dynamic_cast<tarnui::ListControl*>(child)) {
            return list;
        }
    }
    return nullptr;
}

void Press(QWidget* modal, const QString& button) {
    QPushButton* b = ButtonNamed(modal, button);
    ASSERT_NE(b, nullptr) << button.toStdString();
    b->click();
}

class MainWindowMenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("tarnmap-gui-ws-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        const fs::path demo = fs::path(TARN_SOURCE_DIR) / "examples/demo";
        fs::copy(demo, dir, fs::copy_options::recursive);
        fs::remove(dir / "demo.tarnws.data");
        workspace = (dir / "demo.tarnws").string();
        window.show();
    }
    void TearDown() override {
        window.CloseWorkspace();
        fs::remove_all(dir);
    }

    QAction* MenuAction(const QString& menuTitle, const QString& text) {
        for (QAction* top : window.menuBar()->actions()) {
            if (top->menu() == nullptr || top->text().remove('&') != menuTitle) {
                continue;
            }
            emit top->menu()->aboutToShow();
            for (QAction* a : top->menu()->actions()) {
                if (a->text().remove('&') == text) {
                    return a;
                }
                if (a->menu() != nullptr) {
                    emit a->menu()->aboutToShow();
                    for (QAction* sub : a->menu()->actions()) {
                        if (sub->text().remove('&').endsWith(text)) {
                            return sub;
                        }
                    }
                }
            }
        }
        ADD_FAILURE() << "no " << text.toStdString() << " in " << menuTitle.toStdString();
        return nullptr;
    }

    // "Map..." from the Tools menu, choosing the window type in its dialog.
    QStringList ChooseMapWindow(const QString& type) {
        QStringList offered;
        OnNextModal([&](QWidget* modal) {
            ASSERT_NE(dynamic_cast<tarngui::DialogWidget*>(modal), nullptr);
            auto* box = modal->findChild<QComboBox*>();
            for (int i = 0; i < box->count(); ++i) {
                offered << box->itemText(i);
            }
            box->setCurrentIndex(box->findText(type));
            emit box->activated(box->currentIndex());
            Press(modal, "OK");
        });
        QAction* map = MenuAction("Tools", "Map...");
        if (map != nullptr) {
            EXPECT_TRUE(map->isEnabled());
            map->trigger();
        }
        return offered;
    }

    int PaneCount() { return static_cast<int>(window.findChildren<QDockWidget*>().size()); }

    tarngui::QtBackend backend;
    tarnui::ScopedBackend use{backend};
    tarngui::MainWindow window{backend};
    fs::path dir;
    std::string workspace;
};

TEST_F(MainWindowMenusTest, MapCommandOpensBothWindowsAndTheSavedWorkspaceBringsThemBack) {
    ASSERT_TRUE(window.OpenWorkspace(workspace));
    QToolBar* toolbar = window.findChild<QToolBar*>();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(toolbar->actions().value(0)->isEnabled()) << "the Map button";

    EXPECT_EQ(ChooseMapWindow("Map Section Information"),
              QStringList({"Map Section Information", "Map Symbol Information"}));
    EXPECT_NE(window.Session()->FindView("section-settings"), nullptr);
    EXPECT_EQ(window.Session()->FindView("symbol-list"), nullptr);
    EXPECT_EQ(ChooseMapWindow("Map Symbol Information"), QStringList({"Map Symbol Information"}));
    EXPECT_NE(window.Session()->FindView("symbol-list"), nullptr);
    EXPECT_EQ(PaneCount(), 4);
    EXPECT_FALSE(MenuAction("Tools", "Map...")->isEnabled()) << "both types are open";
    EXPECT_FALSE(toolbar->actions().value(0)->isEnabled());

    MenuAction("File", "Save Workspace")->trigger();
    const std::string data = ReadText(dir / "demo.tarnws.data");
    EXPECT_NE(data.find("MapCtrlViewsSYM = 1"), std::string::npos) << data;

    MenuAction("File", "Close Workspace")->trigger();
    EXPECT_EQ(window.Session(), nullptr);
    EXPECT_EQ(PaneCount(), 0);
    MenuAction("File", QString::fromStdString(workspace))->trigger();
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_NE(window.Session()->FindView("section-list"), nullptr);
    EXPECT_NE(window.Session()->FindView("symbol-list"), nullptr);
    EXPECT_EQ(PaneCount(), 4);
}

TEST_F(MainWindowMenusTest, ClosingWithUnsetSectionEditsAsksAndCancelKeepsTheWindowOpen) {
    ASSERT_TRUE(window.OpenWorkspace(workspace));
    ASSERT_TRUE(window.OpenMapWindow("section-settings"));
    const std::string before = ReadText(workspace);
    CTarnDebugInstanceDataCtrlEx* tree = window.Session()->FindView("section-settings");
    tarnui::HeadlessBackend headless;
    headless.Script()
        .Dialog(tarnres::kDlgAddSectionGroup)
        .SetText(tarnres::kCtlSectionStartAddress, "C000")
        .SetText(tarnres::kCtlSectionGroupName, "S")
        .Press(tarnui::IDOK);
    {
        tarnui::ScopedBackend scripted(headless);
        ASSERT_TRUE(tarncli::session::RunCommand(*tree, tarnres::kCmdSectionEditMode).IsDone());
        ASSERT_TRUE(tarncli::session::RunCommand(*tree, tarnres::kCmdAddSectionGroup).IsDone());
    }
    ASSERT_TRUE(tarnhost::HasUnsavedEdits(window.Session()->Host()));

    OnNextModal([](QWidget* modal) { Press(modal, "Cancel"); });
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_NE(window.Session()->FindView("section-settings"), nullptr);
    EXPECT_EQ(ReadText(workspace), before);

    // While a build runs, the tree itself asks whether its window may close without them.
    window.Session()->SetHostLock(true);
    QString askedWhileLocked;
    OnNextModal([&askedWhileLocked](QWidget* modal) {
        askedWhileLocked = static_cast<QMessageBox*>(modal)->text();
        Press(modal, "Cancel");
    });
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(askedWhileLocked.contains("while the build is running"));
    EXPECT_NE(window.Session()->FindView("section-settings"), nullptr);
    EXPECT_EQ(PaneCount(), 2);
    window.Session()->SetHostLock(false);

    // Close, then the component's own question: Yes sets the edits in the workspace.
    QString asked;
    OnNextModal([&asked](QWidget* modal) {
        OnNextModal([&asked](QWidget* next) {
            asked = static_cast<QMessageBox*>(next)->text();
            Press(next, "Yes");
        });
        Press(modal, "Close");
    });
    EXPECT_TRUE(window.close());
    EXPECT_EQ(asked, "Set the edited linker section information?");
    const std::string after = ReadText(workspace);
    EXPECT_NE(after, before);
    EXPECT_NE(after.find("address = 0x0000C000"), std::string::npos) << after;
}

TEST_F(MainWindowMenusTest, RecentWorkspacesAreMostRecentFirstAndAMissingOneIsDropped) {
    tarngui::RecentWorkspaces& recent = window.Recent();
    for (int i = 0; i < tarngui::RecentWorkspaces::kKept + 2; ++i) {
        recent.Add(QString::fromStdString((dir / ("w" + std::to_string(i))).string()));
    }
    recent.Add(QString::fromStdString((dir / "w5").string()));
    QStringList names;
    for (const QString& path : recent.Paths()) {
        names << QFileInfo(path).fileName();
    }
    EXPECT_EQ(names, QStringList({"w5", "w7", "w6", "w4", "w3", "w2"}));

    QString told;
    OnNextModal([&told](QWidget* modal) {
        told = static_cast<QMessageBox*>(modal)->text();
        Press(modal, "OK");
    });
    MenuAction("File", QString::fromStdString((dir / "w7").string()))->trigger();
    EXPECT_TRUE(told.contains("no longer exists")) << told.toStdString();
    EXPECT_EQ(recent.Paths().size(), 5);
    EXPECT_FALSE(recent.Paths().contains(QString::fromStdString((dir / "w7").string())));
}

TEST_F(MainWindowMenusTest, OptionsReachTheComponentItsViewsAndTheOptionsService) {
    ASSERT_TRUE(window.OpenWorkspace(workspace));
    ASSERT_TRUE(window.OpenMapWindow("symbol-list"));
    tarnui::ListControl* list = ListIn(*window.Session()->FindView("symbol-list"));
    tarngui::ListView* view = nullptr;
    for (auto* each : window.findChildren<tarngui::ListView*>()) {
        view = each->Control() == list ? each : view;
    }
    ASSERT_NE(view, nullptr);
    const QFont fontBefore = view->font();

    OnNextModal([](QWidget* modal) {
        auto* dialog = dynamic_cast<tarngui::OptionsDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->SizeBox()->setValue(14);
        dialog->TextColourBox()->setCurrentIndex(dialog->TextColourBox()->findText("RED"));
        dialog->BackgroundBox()->setCurrentIndex(dialog->BackgroundBox()->findText("YELLOW"));
        Press(dialog, "OK");
    });
    MenuAction("Tools", "Options...")->trigger();
    QApplication::processEvents();

    tarnhost::OptionsService& options = window.Session()->Host().UserOptions();
    int32_t size = 0, foreground = 0, background = 0;
    options.GetNumber(u"TARN_MAP_FONT_SIZE", &size);
    options.GetNumber(u"TARN_MAP_FGCOLOUR", &foreground);
    options.GetNumber(u"TARN_MAP_BKCOLOUR", &background);
    EXPECT_EQ(size, 14);
    EXPECT_EQ(foreground, 4);
    EXPECT_EQ(background, 6);
    EXPECT_EQ(list->GetTextColor(), tarnui::Rgb(255, 0, 0));
    EXPECT_EQ(view->model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_GT(view->font().pixelSize(), fontBefore.pixelSize());
}

TEST_F(MainWindowMenusTest, ViewSourceShowsTheFileReadOnlyAtTheLine) {
    ASSERT_TRUE(window.OpenWorkspace(workspace));
    ASSERT_TRUE(window.OpenMapWindow("symbol-list"));
    CTarnDebugInstanceDataCtrlEx* symbols = window.Session()->FindView("symbol-list");
    tarnui::ListControl* list = ListIn(*symbols);
    ASSERT_NE(list, nullptr);
    int row = 0;
    while (row < list->GetItemCount() && list->GetItemText(row, 0) != "_main_crc_tab") {
        ++row;
    }
    ASSERT_TRUE(tarncli::session::ClickRow(*symbols, std::to_string(row)).IsDone());
    ASSERT_TRUE(tarncli::session::RunCommand(*symbols, tarnres::kCmdViewSource).IsDone());

    tarngui::SourceViewer* source = window.Source();
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(fs::path(source->File().toStdString()), dir / "src/tables.c");
    EXPECT_EQ(source->CurrentLine(), 10);
    EXPECT_TRUE(source->Text()->isReadOnly());
    EXPECT_TRUE(source->Text()->textCursor().block().text().startsWith("const uint32_t"));
}

}  // namespace
