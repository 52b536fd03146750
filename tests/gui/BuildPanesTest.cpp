// The Memory Usage and Compare panes on Qt's offscreen platform (the application is the one
// FrontEndTest.cpp makes for the whole run).
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "gui/MainWindow.h"
#include "gui/UsageBar.h"
#include "host/cli/session/MapSession.h"
#include "platform/controls/ListControl.h"
#include "src/views/CTarnMapSectionListInstanceCtrl.h"
#include "tests/gui/GuiFixture.h"

namespace {

class BuildPanesTest : public gui_testing::GuiTest {
protected:
    // The row selected in the section list, which must be open and have one.
    const tagLinkMapSectionInfo* SelectedSection() {
        auto* list = dynamic_cast<CTarnMapSectionListInstanceCtrl*>(
            window.Session()->FindView("section-list"));
        const int row = list == nullptr ? -1 : list->List().GetNextItem(-1, tarnui::kLvniSelected);
        EXPECT_GE(row, 0) << "no section list or no selection";
        return row < 0 ? nullptr : list->Rows()[static_cast<size_t>(row)].get();
    }

    tarngui::MainWindow window{backend};
};

TEST_F(BuildPanesTest, EachDemoAreaIsABarWithItsFiguresAndABlockClickSelectsThatSection) {
    window.show();
    ASSERT_TRUE(window.OpenWorkspace(Demo()));
    window.Panes().ShowUsage();
    tarngui::MemoryUsagePane& pane = *window.Panes().Usage();
    // Every area's figures are the case tests/cases/usage/demo; here the first and the last.
    ASSERT_EQ(pane.AreaCount(), 5);
    EXPECT_EQ(pane.Figures(0).toStdString(),
              "used 0x22A0 of 0x8000 (27.1 %), free 0x5D60, largest gap 0x59E0");
    EXPECT_EQ(pane.Figures(4).toStdString(),
              "used 0x400 of 0x10000 (1.6 %), free 0xFC00, largest gap 0xFC00");
    EXPECT_TRUE(pane.Bar(2)->Blocks().empty());

    // The second block of the RAM bar, clicked: the section list opens with it selected.
    QApplication::processEvents();
    tarngui::UsageBar& ram = *pane.Bar(1);
    ASSERT_GE(ram.Blocks().size(), 2u);
    const tarngui::UsageBlock block = ram.Blocks()[1];
    const QRect at = ram.BlockRect(1);
    ASSERT_EQ(ram.BlockAt(at.center()), 1);
    EXPECT_TRUE(tarngui::BlockDescription(block).startsWith(QString::fromStdString(block.name)));
    QTest::mouseClick(&ram, Qt::LeftButton, {}, at.center());
    const auto* selected = SelectedSection();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->name, block.name);
    EXPECT_EQ(selected->startAddress, block.start);

    // A click on the gap after the last block selects nothing new.
    const QRect last = ram.BlockRect(ram.Blocks().size() - 1);
    QTest::mouseClick(&ram, Qt::LeftButton, {}, QPoint(last.right() + 20, last.center().y()));
    EXPECT_EQ(SelectedSection(), selected);
}

TEST_F(BuildPanesTest, LoadImagesCountInTheAreaOfTheirLoadAddressAndAClickSelectsTheirSection) {
    window.show();
    ASSERT_TRUE(
        window.OpenWorkspace(std::string(TARN_SOURCE_DIR) + "/examples/firmware/firmware.tarnws"));
    window.Panes().ShowUsage();
    tarngui::MemoryUsagePane& pane = *window.Panes().Usage();
    // As "tarnmap usage" prints them for the firmware (tests/cases/usage/firmware.out).
    ASSERT_EQ(pane.AreaCount(), 2);
    EXPECT_EQ(pane.Figures(1).toStdString(),
              "used 0x174 of 0x20000 (0.3 %), free 0x1FE8C, largest gap 0xFFD8");

    QApplication::processEvents();
    tarngui::UsageBar& flash = *pane.Bar(1);
    const auto& blocks = flash.Blocks();
    const auto data = std::find_if(blocks.begin(), blocks.end(), [](const auto& block) {
        return block.loadImage && block.name == ".data";
    });
    ASSERT_NE(data, blocks.end());
    EXPECT_NE(data->start, data->runStart);
    EXPECT_TRUE(tarngui::BlockDescription(*data).startsWith(".data load image"));
    const size_t index = static_cast<size_t>(data - blocks.begin());
    QTest::mouseClick(&flash, Qt::LeftButton, {}, flash.BlockRect(index).center());
    const auto* selected = SelectedSection();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->name, ".data");
    EXPECT_EQ(selected->startAddress, data->runStart);
}

TEST_F(BuildPanesTest, TheUsageFollowsTheListingWhenABuildRewritesIt) {
    const auto dir =
        gui_testing::CopiesOf({"tests/data/builds/old.tarnws", "tests/data/builds/old.map"});
    const std::filesystem::path builds = std::string(TARN_TEST_DATA_DIR) + "/builds";
    ASSERT_TRUE(window.OpenWorkspace(*dir / "old.tarnws"));
    window.Panes().ShowUsage();
    tarngui::MemoryUsagePane& pane = *window.Panes().Usage();
    ASSERT_EQ(pane.AreaCount(), 2);
    EXPECT_TRUE(pane.Figures(0).startsWith("used 0x380 of 0x800")) << pane.Figures(0).toStdString();

    std::filesystem::copy_file(builds / "new.map", *dir / "old.map",
                               std::filesystem::copy_options::overwrite_existing);
    for (int waited = 0; waited < 3000 && window.Watcher()->LockCycles() == 0; waited += 50) {
        QTest::qWait(50);
    }
    EXPECT_TRUE(pane.Figures(0).startsWith("used 0x478 of 0x800")) << pane.Figures(0).toStdString();
    window.CloseWorkspace();
}

TEST_F(BuildPanesTest, ComparingTheFirstFirmwareBuildWithTheSecondListsTheChanges) {
    const std::string builds = std::string(TARN_TEST_DATA_DIR) + "/builds/";
    ASSERT_TRUE(window.OpenWorkspace(builds + "old.tarnws"));
    ASSERT_TRUE(window.Panes().CompareWith(builds + "new.tarnws"))
        << window.Panes().Compare()->Summary().toStdString();
    const QAbstractItemModel& model = window.Panes().Compare()->Model();
    const auto row = [&](int r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c) {
            cells << model.index(r, c).data().toString();
        }
        return cells.join("|").toStdString();
    };
    // The order and every row are the case tests/cases/diff/builds.out; here a row of each
    // kind, with a size missing on either side.
    const std::pair<int, const char*> expected[] = {
        {0, "section|P||00000340|00000418|+000000D8"},
        {3, "symbol|_crc32|main.obj||00000120|+00000120"},
        {5, "symbol|_legacy|main.obj|00000040||-00000040"},
        {10, "area|On-Chip ROM||00000380|00000478|+000000F8"},
        {12, "total|total||00000450|000005A8|+00000158"}};
    ASSERT_EQ(model.rowCount(), 13);
    for (const auto& [r, text] : expected) {
        EXPECT_EQ(row(r), text);
    }
    EXPECT_FALSE(window.Panes().CompareWith(builds + "missing.tarnws"));
    EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
