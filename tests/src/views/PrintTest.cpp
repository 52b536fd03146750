#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ViewsFixture.h"
#include "platform/backend/HeadlessRecord.h"
#include "src/views/CMapListCtrl.h"
#include "src/views/CMapTreeCtrl.h"

namespace {

using tarnui::DeviceSettings;
using tarnui::HeadlessScript;
using tarnui::PrintedDocument;
using tarnui::TreeItem;
using views_test::ViewsTest;

// Prints into a temporary directory of the test's own.
class PrintTest : public ViewsTest {
protected:
    void SetUp() override {
        ViewsTest::SetUp();
        if (const char* old = std::getenv("TMPDIR")) {
            oldTmp_ = old;
        }
        setenv("TMPDIR", dir.Path().c_str(), 1);
    }
    void TearDown() override {
        if (oldTmp_) {
            setenv("TMPDIR", oldTmp_->c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
    }
    std::string TempFile(const char* name) const { return dir / name; }

    // A list whose text has `lines` lines: the heading, an empty line and lines - 2 rows.
    void MakeList(int lines) {
        ASSERT_TRUE(list.Create(tarnui::kLvsReport, {0, 0, 600, 300}, &frame, 204, 0));
        list.InsertColumn(0, "Name", tarnui::ColumnAlign::Left, 60);
        list.InsertColumn(1, "Size", tarnui::ColumnAlign::Left, 60);
        for (int i = 0; i < lines - 2; ++i) {
            list.InsertItem(i, "S" + std::to_string(i));
            list.SetItemText(i, 1, "0x" + std::to_string(i));
        }
    }
    // The section tree as printed: header on, an expanded root with `sections` children.
    void MakeTree(int sections) {
        ASSERT_TRUE(tree.Create(&frame, {0, 0, 400, 300}, 207, tarnui::kTvsHasButtons));
        tree.SetColumnTitle(0, "Section");
        const TreeItem root = tree.InsertItem("Link map list");
        for (int i = 0; i < sections; ++i) {
            tree.InsertItem("[0000" + std::to_string(1000 + i) + "] : S" + std::to_string(i), root);
        }
        tree.Expand(root, tarnui::TreeExpand::Expand);
    }
    const PrintedDocument& OnlyDocument() {
        EXPECT_EQ(backend.Documents().size(), 1u);
        return backend.Documents().at(0);
    }

    CMapListCtrl list;
    CMapTreeCtrl tree;

private:
    std::optional<std::string> oldTmp_;
};

TEST_F(PrintTest, AHundredAndFiftyListLinesFillTwoPagesAndEighteenLines) {
    MakeList(150);
    script.PrintDialog(true);
    list.PrintList();
    const PrintedDocument& doc = OnlyDocument();
    EXPECT_EQ(doc.name, TempFile("Listtmp.txt"));
    EXPECT_TRUE(doc.ended);
    ASSERT_EQ(doc.pages.size(), 3u);
    EXPECT_EQ(doc.pages[0].texts.size(), 66u);
    EXPECT_EQ(doc.pages[1].texts.size(), 66u);
    EXPECT_EQ(doc.pages[2].texts.size(), 18u);
    // A4 at 300 dots per inch: 3507.9 dots a page, lines 51 dots apart, 47-dot Courier New.
    const auto& first = doc.pages[0].texts;
    EXPECT_EQ(first[0].text, "Name                                    Size")
        << "trailing blanks go";
    EXPECT_EQ(first[1].text, "");
    EXPECT_EQ(first[2].text, "S0                                      0x0");
    EXPECT_EQ(first[1].y, 51);
    EXPECT_EQ(first[65].y, 65 * 51);
    EXPECT_EQ(first[0].fontFace, "Courier New");
    EXPECT_EQ(first[0].fontHeight, 47);
    EXPECT_EQ(doc.pages[1].texts[0].y, 0);
    EXPECT_EQ(doc.pages[1].texts[0].text.substr(0, 3), "S64");
    EXPECT_EQ(doc.pages[2].texts[17].text.substr(0, 4), "S147");
    EXPECT_FALSE(std::filesystem::exists(TempFile("Listtmp.txt")));
}

TEST_F(PrintTest, TwoFullListPagesEndWithoutAnEmptyThird) {
    MakeList(132);
    script.PrintDialog(true);
    list.PrintList();
    ASSERT_EQ(OnlyDocument().pages.size(), 2u);
    EXPECT_EQ(OnlyDocument().pages[1].texts.size(), 66u);
}

TEST_F(PrintTest, TheListPageLengthComesFromTheDeviceSettings) {
    struct Case {
        const char* what;
        int paperSize, paperLength, paperWidth, quality;
        int fontHeight, secondLineY;
    };
    const Case cases[] = {
        {"A4 by code", 9, 0, 0, 300, 47, 51},
        {"letter by code", 1, 0, 0, 300, 44, 48},
        {"own dimensions", 9, 2000, 1000, 600, 63, 69},
        {"a length without a width", 1, 2000, 0, 300, 44, 48},
        {"unknown code: the device's page", 999, 0, 0, 300, 47, 51},
        {"quality code: the device's resolution", 9, 0, 0, -3, 47, 51},
    };
    for (const Case& k : cases) {
        backend.ClearRecord();
        CMapListCtrl one;
        ASSERT_TRUE(one.Create(tarnui::kLvsReport, {0, 0, 100, 100}, &frame, 205, 0));
        one.InsertColumn(0, "Name", tarnui::ColumnAlign::Left, 60);
        DeviceSettings settings = HeadlessScript::HeadlessPrinter();
        settings.paperSize = k.paperSize;
        settings.paperLength = k.paperLength;
        settings.paperWidth = k.paperWidth;
        settings.printQuality = k.quality;
        script.PrintDialog(true, settings);
        one.PrintList();
        ASSERT_EQ(backend.Documents().size(), 1u) << k.what;
        const auto& texts = backend.Documents()[0].pages.at(0).texts;
        ASSERT_EQ(texts.size(), 2u) << k.what;
        EXPECT_EQ(texts[0].fontHeight, k.fontHeight) << k.what;
        EXPECT_EQ(texts[1].y, k.secondLineY) << k.what;
    }
}

TEST_F(PrintTest, CancelOrAMissingPrinterPrintsNothingAndLeavesNoFile) {
    MakeList(5);
    list.PrintList();  // the headless person cancels by default
    EXPECT_TRUE(backend.Documents().empty());
    EXPECT_EQ(backend.EventsOf(tarnui::ShownKind::PrintDialog).size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(TempFile("Listtmp.txt")));

    backend.SetPrinterAvailable(false);
    script.PrintDialog(true);
    list.PrintList();
    EXPECT_TRUE(backend.Documents().empty() || backend.Documents()[0].pages.empty());
    EXPECT_FALSE(std::filesystem::exists(TempFile("Listtmp.txt")));

    MakeTree(3);
    tree.PrintTree();
    EXPECT_FALSE(std::filesystem::exists(TempFile("Treetmp.txt")));
    script.PrintDialog(true);
    tree.PrintTree();
    EXPECT_FALSE(std::filesystem::exists(TempFile("Treetmp.txt")));
}

TEST_F(PrintTest, TreePagesRepeatTheHeadingsAndHoldSixtyFiveFurtherLines) {
    // Heading, separator and 151 items: 67 + (2 + 65) + (2 + 21).
    MakeTree(150);
    std::ofstream(TempFile("Treetmp.txt"), std::ios::binary) << "stale text\r\n";
    script.PrintDialog(true);
    tree.PrintTree();
    const PrintedDocument& doc = OnlyDocument();
    EXPECT_EQ(doc.name, TempFile("Treetmp.txt"));
    ASSERT_EQ(doc.pages.size(), 3u);
    ASSERT_EQ(doc.pages[0].texts.size(), 67u);
    ASSERT_EQ(doc.pages[1].texts.size(), 67u);
    ASSERT_EQ(doc.pages[2].texts.size(), 23u);

    const std::string heading = "Section" + std::string(78, ' ');
    const auto& first = doc.pages[0].texts;
    EXPECT_EQ(first[0].text, heading.substr(0, 84)) << "one character fewer";
    EXPECT_EQ(first[1].text, std::string(84, '-'));
    EXPECT_EQ(first[1].y, 100);
    EXPECT_EQ(first[2].text.substr(0, 19), "[-]-- Link map list");
    EXPECT_EQ(first[66].y, 6600);
    EXPECT_EQ(first[0].fontFace, "Courier") << "the device's own font";
    for (int page = 1; page < 3; ++page) {
        const auto& texts = doc.pages[page].texts;
        EXPECT_EQ(texts[0].text, heading.substr(0, 84));
        EXPECT_EQ(texts[0].y, 0);
        EXPECT_EQ(texts[1].text, std::string(84, '-'));
        EXPECT_EQ(texts[1].y, 100);
        EXPECT_EQ(texts[2].y, 200);
        EXPECT_EQ(texts[2].text.substr(0, 10), " | |--- [0") << page;
    }
    EXPECT_EQ(doc.pages[1].texts[2].text.substr(0, 25), " | |--- [00001064] : S64 ");
    EXPECT_EQ(doc.pages[2].texts[22].y, 200 + 20 * 100);
    EXPECT_EQ(doc.pages[2].texts[22].text.substr(0, 25), " | |--- [00001149] : S149");
    for (const auto& page : doc.pages) {
        for (const auto& text : page.texts) {
            EXPECT_EQ(text.text.find("stale"), std::string::npos);
            EXPECT_EQ(text.text.size(), 84u);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(TempFile("Treetmp.txt")));
}

TEST_F(PrintTest, SixtySevenTreeLinesMakeOnePage) {
    MakeTree(64);  // heading, separator, root and 64 sections
    script.PrintDialog(true);
    tree.PrintTree();
    ASSERT_EQ(OnlyDocument().pages.size(), 1u);
    EXPECT_EQ(OnlyDocument().pages[0].texts.size(), 67u);
}

}  // namespace
