// The desktop front end on Qt's offscreen platform: the real widgets are driven, and the
// platform state that the headless tests trust is checked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>
#include <QHeaderView>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "gui/MainWindow.h"
#include "gui/ReportViews.h"
#include "host/cli/session/MapSession.h"
#include "platform/backend/HeadlessBackend.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "tests/gui/GuiFixture.h"

namespace {

// One application for the whole run, gone before the program's static objects go.
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[9] = "test_gui";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};
[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(std::make_unique<QtApplication>().release());

using FrontEndTest = gui_testing::GuiTest;

TEST_F(FrontEndTest, BothMapWindowsOpenAsDocksAndAHeaderClickSortsTheList) {
    tarngui::MainWindow* const window = OpenWindow(Demo(), {"section-list", "symbol-list"});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findChildren<QDockWidget*>().size(), 4);

    tarngui::ListView* symbols = ViewWidget<tarngui::ListView>(*window, "symbol-list");
    ASSERT_NE(symbols, nullptr);
    tarnui::ListControl& list = *symbols->Control();
    ASSERT_GT(list.GetItemCount(), 2);
    EXPECT_EQ(symbols->model()->rowCount(), list.GetItemCount());
    const std::string firstBefore = list.GetItemText(0, 0);
    QHeaderView* header = symbols->horizontalHeader();
    const QPoint onName(header->sectionViewportPosition(0) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onName);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onName);
    QApplication::processEvents();
    EXPECT_NE(list.GetItemText(0, 0), firstBefore) << "two clicks: descending by name";
    EXPECT_EQ(symbols->model()->index(0, 0).data().toString().toStdString(),
              list.GetItemText(0, 0));
    EXPECT_GE(list.GetColumn(0)->image, 0) << "the sort arrow";

    const std::string shot = (std::filesystem::temp_directory_path() / "tarnmap-gui-test.png");
    ASSERT_TRUE(window->SaveScreenshot(shot));
    EXPECT_GT(std::filesystem::file_size(shot), 10000u);
    std::filesystem::remove(shot);
}

TEST_F(FrontEndTest, AViewPrintsToAPdfFileWithThePagesTheHeadlessPrinterGets) {
    tarngui::MainWindow window(backend);
    ASSERT_TRUE(window.OpenWorkspace(Demo()));
    ASSERT_TRUE(window.OpenMapWindow("symbol-list"));
    CTarnDebugInstanceDataCtrlEx* view = window.Session()->FindView("symbol-list");
    ASSERT_NE(view, nullptr);

    tarnui::HeadlessBackend headless;
    headless.Script().PrintDialog(true);
    {
        tarnui::ScopedBackend useHeadless(headless);
        view->PrintView();
    }
    ASSERT_EQ(headless.Documents().size(), 1u);
    const size_t pages = headless.Documents()[0].pages.size();
    ASSERT_GT(pages, 0u);

    const std::string pdf = (std::filesystem::temp_directory_path() / "tarnmap-gui-test.pdf");
    backend.SetPrintToFile(pdf);
    view->PrintView();
    const std::string text = gui_testing::ReadAll(pdf);
    size_t count = 0;
    for (size_t at = text.find("/Type /Page\n"); at != std::string::npos;
         at = text.find("/Type /Page\n", at + 1)) {
        ++count;
    }
    EXPECT_EQ(text.rfind("%PDF", 0), 0u);
    EXPECT_EQ(count, pages);
    std::filesystem::remove(pdf);
}

TEST_F(FrontEndTest, ARewrittenListingLocksOnceAndRefreshesTheViewsWhenQuiet) {
    const auto dir = gui_testing::CopiesOf({"examples/demo/blinky.map"});
    const std::string listing = *dir / "blinky.map";
    tarngui::MainWindow window(backend);
    ASSERT_TRUE(window.OpenListing(listing));
    ASSERT_TRUE(window.OpenMapWindow("symbol-list"));
    tarnui::ListControl* list = gui_testing::ListIn(*window.Session()->FindView("symbol-list"));
    ASSERT_NE(list, nullptr);
    const int before = list->GetItemCount();

    std::ifstream in(listing);
    std::string kept, line;
    for (int n = 0; n < 300 && std::getline(in, line); ++n) {
        kept += line + "\n";
    }
    in.close();
    for (int half = 0; half < 2; ++half) {  // written in two goes, as a build writes
        std::ofstream(listing, half == 0 ? std::ios::trunc : std::ios::app)
            << kept.substr(half * kept.size() / 2, kept.size() / 2 + 1);
        QTest::qWait(50);
        EXPECT_TRUE(window.Session()->HostLock());
    }
    for (int waited = 0; waited < 3000 && window.Watcher()->LockCycles() == 0; waited += 50) {
        QTest::qWait(50);
    }
    EXPECT_EQ(window.Watcher()->LockCycles(), 1);
    EXPECT_FALSE(window.Session()->HostLock());
    EXPECT_LT(list->GetItemCount(), before);
    window.CloseWorkspace();
}

}  // namespace
