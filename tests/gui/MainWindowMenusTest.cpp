// The main window's own menus on Qt's offscreen platform: "Map..." with its dialog, the
// workspace saved, closed and reopened from the recent list, closing with unsaved section
// settings, and the display options.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <filesystem>

#include <unistd.h>

#include "gui/DialogWidget.h"
#include "gui/OptionsDialog.h"
#include "gui/SourceViewer.h"
#include "host/cli/session/MapSession.h"
#include "host/cli/session/MapViewNames.h"
#include "host/cli/session/ViewActions.h"
#include "host/lib/WorkspaceClients.h"
#include "platform/backend/HeadlessBackend.h"
#include "src/resources/ResourceIds.h"
#include "tests/gui/GuiFixture.h"

namespace {

namespace fs = std::filesystem;
using gui_testing::ListIn;
using gui_testing::Press;
using gui_testing::ReadAll;

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

// Runs `answer` on the next modal window once it is up (a dialog or message box).
void OnNextModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        answer(modal);
    });
}

// The action of a menu or of one of its submenus whose text ends so, each menu filled first.
QAction* FindAction(QMenu* menu, const QString& text) {
    emit menu->aboutToShow();
    for (QAction* a : menu->actions()) {
        QAction* found = a->text().remove('&').endsWith(text) ? a : nullptr;
        found = found == nullptr && a->menu() != nullptr ? FindAction(a->menu(), text) : found;
        if (found != nullptr) {
            return found;
        }
    }
    return nullptr;
}

class MainWindowMenusTest : public gui_testing::GuiTest {
protected:
    void SetUp() override {
        fs::copy(fs::path(TARN_SOURCE_DIR) / "examples/demo", dir.Path(),
                 fs::copy_options::recursive);
        fs::remove(dir / "demo.tarnws.data");
        window.show();
    }
    void TearDown() override { window.CloseWorkspace(); }

    QAction* MenuAction(const QString& menu, const QString& text) {
        for (QAction* top : window.menuBar()->actions()) {
            if (top->text().remove('&') == menu) {
                return FindAction(top->menu(), text);
            }
        }
        return nullptr;
    }

    // "Map..." from the Tools menu, choosing the window type in its dialog.
    QStringList ChooseMapWindow(const QString& type) {
        QStringList offered;
        OnNextModal([&](QWidget* modal) {
            ASSERT_NE(dynamic_cast<tarngui::DialogWidget*>(modal), nullptr);
            EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the dialog is not busy";
            auto* box = modal->findChild<QComboBox*>();
            for (int i = 0; i < box->count(); ++i) {
                offered << box->itemText(i);
            }
            box->setCurrentIndex(box->findText(type));
            emit box->activated(box->currentIndex());
            Press(modal, "OK");
        });
        MenuAction("Tools", "Map...")->trigger();
        return offered;
    }

    int PaneCount() { return static_cast<int>(window.findChildren<QDockWidget*>().size()); }

    tarnhost::TempDir dir;
    std::string workspace = dir / "demo.tarnws";
    tarngui::MainWindow window{backend};
};

TEST_F(MainWindowMenusTest, MapCommandOpensBothWindowsAndTheSavedWorkspaceBringsThemBack) {
    ASSERT_TRUE(window.OpenWorkspace(workspace));
    QToolBar* toolbar = window.findChild<QToolBar*>();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(toolbar->actions().value(0)->isEnabled()) << "the Map button";
    EXPECT_FALSE(toolbar->actions().value(0)->icon().isNull());
    // The load after the dialog's OK shows as busy.
    QStringList busy;
    auto seen =
        QObject::connect(window.statusBar(), &QStatusBar::messageChanged, [&](const QString& text) {
            const QCursor* cursor = QApplication::overrideCursor();
            if (cursor != nullptr && cursor->shape() == Qt::WaitCursor) {
                busy << text;
            }
        });

    EXPECT_EQ(ChooseMapWindow("Map Section Information"),
              QStringList({"Map Section Information", "Map Symbol Information"}));
    EXPECT_EQ(window.Session()->FindView("symbol-list"), nullptr);
    EXPECT_EQ(ChooseMapWindow("Map Symbol Information"), QStringList({"Map Symbol Information"}));
    QObject::disconnect(seen);
    EXPECT_EQ(busy, QStringList({"Open map window...", "Open map window..."}));
    EXPECT_NE(window.Session()->FindView("symbol-list"), nullptr);
    EXPECT_EQ(PaneCount(), 4);
    EXPECT_FALSE(MenuAction("Tools", "Map...")->isEnabled()) << "both types are open";
    EXPECT_FALSE(toolbar->actions().value(0)->isEnabled());

    MenuAction("File", "Save Workspace")->trigger();
    const std::string data = ReadAll(dir / "demo.tarnws.data");
    EXPECT_NE(data.find("MapCtrlViewsSYM = 1"), std::string::npos) << data;

    MenuAction("File", "Close Workspace")->trigger();
    EXPECT_EQ(window.Session(), nullptr);
    EXPECT_EQ(PaneCount(), 0);
    MenuAction("File", QString::fromStdString(workspace))->trigger();
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_NE(window.Session()->FindView("symbol-list"), nullptr);
    EXPECT_EQ(PaneCount(), 4);
}

TEST_F(MainWindowMenusTest, ClosingWithUnsetSectionEditsAsksAndCancelKeepsTheWindowOpen) {
    ASSERT_TRUE(window.OpenWorkspace(workspace));
    ASSERT_TRUE(window.OpenMapWindow("section-settings"));
    const std::string before = ReadAll(workspace);
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
    EXPECT_EQ(ReadAll(workspace), before);

    // While a build runs, the tree itself asks whether its window may close without them.
    window.Session()->SetHostLock(true);
    QString askedWhileLocked;
    OnNextModal([&askedWhileLocked](QWidget* modal) {
        askedWhileLocked = static_cast<QMessageBox*>(modal)->text();
        Press(modal, "Cancel");
    });
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(askedWhileLocked.contains("while the build is running"));
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
    EXPECT_NE(ReadAll(workspace).find("address = 0x0000C000"), std::string::npos);
}

TEST_F(MainWindowMenusTest, RecentWorkspacesAreMostRecentFirstAndAMissingOneIsDropped) {
    tarngui::RecentWorkspaces& recent = window.Recent();
    for (int i = 0; i < tarngui::RecentWorkspaces::kKept + 2; ++i) {
        recent.Add(QString::fromStdString(dir / ("w" + std::to_string(i))));
    }
    recent.Add(QString::fromStdString(dir / "w5"));
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
    MenuAction("File", QString::fromStdString(dir / "w7"))->trigger();
    EXPECT_TRUE(told.contains("no longer exists")) << told.toStdString();
    EXPECT_EQ(recent.Paths().size(), 5);
    EXPECT_TRUE(recent.Paths().value(1).endsWith("w6")) << "w7 is gone";
}

TEST_F(MainWindowMenusTest, OptionsReachTheComponentItsViewsAndTheOptionsService) {
    ASSERT_TRUE(window.OpenWorkspace(workspace));
    ASSERT_TRUE(window.OpenMapWindow("symbol-list"));
    tarnui::ListControl* list = ListIn(*window.Session()->FindView("symbol-list"));
    ASSERT_NE(list->GetFont(), nullptr);
    const int heightBefore = list->GetFont()->height;

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
    EXPECT_EQ(std::tuple(size, foreground, background), std::tuple(14, 4, 6));
    EXPECT_EQ(list->GetTextColor(), tarnui::Rgb(255, 0, 0));
    EXPECT_LT(list->GetFont()->height, heightBefore) << "a character height, negative";
}

TEST_F(MainWindowMenusTest, ViewSourceShowsTheFileAtItsLineAndAMissingFileSaysSo) {
    ASSERT_TRUE(window.OpenWorkspace(workspace));
    ASSERT_TRUE(window.OpenMapWindow("section-list"));
    CTarnDebugInstanceDataCtrlEx& view = *window.Session()->FindView("section-list");
    const auto* name = tarncli::session::FindMapViewName("section-list");
    const int viewSource = tarncli::session::ResolveCommand(*name, "View Source");
    ASSERT_NE(viewSource, 0);

    ASSERT_TRUE(tarncli::session::ClickRow(view, "1").IsDone());
    ASSERT_TRUE(tarncli::session::RunCommand(view, viewSource).IsDone());
    // Found by name: the class has no meta-object of its own for findChild to tell it apart.
    auto* source = dynamic_cast<tarngui::SourceViewer*>(
        window.findChild<QDockWidget*>("SourceViewer", Qt::FindDirectChildrenOnly));
    ASSERT_NE(source, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(source->isVisible());
    EXPECT_EQ(QFileInfo(source->File()).fileName(), "main.c");
    EXPECT_EQ(source->CurrentLine(), 42);
    EXPECT_TRUE(source->Text()->isReadOnly());

    fs::remove(dir / "src/tables.c");
    ASSERT_TRUE(tarncli::session::DoubleClickRow(view, "2").IsDone());
    EXPECT_TRUE(source->File().isEmpty()) << "no stale text under the missing file's name";
    EXPECT_TRUE(window.statusBar()->currentMessage().contains("cannot be read"));
}

}  // namespace
