// The desktop front end on Qt's offscreen platform: the real widgets are driven, and the
// platform state that the headless tests trust is checked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "gui/DialogWidget.h"
#include "gui/MainWindow.h"
#include "gui/ReportViews.h"
#include "platform/controls/Edit.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

class FrontEndTest : public ::testing::Test {
protected:
    FrontEndTest() { App(); }
    tarngui::QtBackend backend;
    tarnui::ScopedBackend use{backend};
};

std::string Demo() {
    return std::string(TARN_SOURCE_DIR) + "/examples/demo/demo.tarnws";
}

TEST_F(FrontEndTest, BothMapWindowsOpenAsDocksAndAHeaderClickSortsTheList) {
    tarngui::MainWindow window(backend);
    window.show();
    ASSERT_TRUE(window.OpenWorkspace(Demo()));
    ASSERT_TRUE(window.OpenMapWindow("section-list"));
    ASSERT_TRUE(window.OpenMapWindow("symbol-list"));
    QApplication::processEvents();
    EXPECT_EQ(window.findChildren<QDockWidget*>().size(), 3);

    tarngui::ListView* symbols = nullptr;
    for (auto* view : window.findChildren<tarngui::ListView*>()) {
        if (view->Control()->GetColumnCount() == 6) {
            symbols = view;
        }
    }
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
    ASSERT_TRUE(window.SaveScreenshot(shot));
    EXPECT_GT(std::filesystem::file_size(shot), 10000u);
    std::filesystem::remove(shot);
}

TEST_F(FrontEndTest, TypingInADialogGoesThroughTheEditFilterAndARefusalBeeps) {
    tarnui::Dialog dialog(tarnui::DialogTemplate{
        500,
        "Name",
        160,
        60,
        {{tarnui::ControlKind::Edit, 501, "", 5, 5, 100, 12},
         {tarnui::ControlKind::DefPushButton, tarnui::IDOK, "OK", 110, 5, 40, 14}}});
    std::string seen;
    QTimer::singleShot(0, [&] {
        auto* widget = dynamic_cast<tarngui::DialogWidget*>(QApplication::activeModalWidget());
        ASSERT_NE(widget, nullptr);
        dialog.GetControlAs<tarnui::Edit>(501)->SetFilter(
            [](std::string_view ch, const std::string&) { return ch != "-"; });
        QLineEdit* line = widget->findChild<QLineEdit*>();
        QTest::keyClicks(line, "ab-c");
        seen = line->text().toStdString();
        QTest::mouseClick(widget->findChild<QPushButton*>(), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.DoModal(), tarnui::IDOK);
    EXPECT_EQ(seen, "abc");
    EXPECT_EQ(backend.Beeps(), 1);
}

}  // namespace
