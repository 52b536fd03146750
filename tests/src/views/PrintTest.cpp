#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ViewsFixture.h"
#include "platform/backend/HeadlessRecord.h"
#include "platform/printing/PrinterDC.h"
#include "platform/system/TempPath.h"
#include "src/views/CMapListCtrl.h"
#include "src/views/CMapTreeCtrl.h"

namespace {

using tarnui::PrintedDocument;
using tarnui::TreeItem;

// Prints into a temporary directory of the test's own.
class PrintTest : public views_test::ViewsTest {
protected:
    void SetUp() override {
        ViewsTest::SetUp();
        if (const char* old = std::getenv("TMPDIR")) {
            oldTmp_ = old;
        }
        setenv("TMPDIR", dir.Path().c_str(), 1);
    }
    void TearDown() override {
        oldTmp_ ? setenv("TMPDIR", oldTmp_->c_str(), 1) : unsetenv("TMPDIR");
    }
    std::string TempFile(const char* name) const { return tarnui::GetTempPath() + name; }

    // A list whose text has `lines` lines: the heading, an empty line and lines - 2 rows.
    void MakeList(CMapListCtrl& l, int lines) {
        ASSERT_TRUE(l.Create(tarnui::kLvsReport, {0, 0, 600, 300}, &frame, 204, 0));
        l.InsertColumn(0, "Name", tarnui::ColumnAlign::Left, 60);
        l.InsertColumn(1, "Size", tarnui::ColumnAlign::Left, 60);
        for (int i = 0; i < lines - 2; ++i) {
            l.SetItemText(l.InsertItem(i, "S" + std::to_string(i)), 1, "0x" + std::to_string(i));
        }
    }
    // The section tree as printed: header on, an expanded root with `sections` children.
    void MakeTree(CMapTreeCtrl& t, int sections) {
        ASSERT_TRUE(t.Create(&frame, {0, 0, 400, 300}, 207, tarnui::kTvsHasButtons));
        t.SetColumnTitle(0, "Section");
        const TreeItem root = t.InsertItem("Link map list");
        for (int i = 0; i < sections; ++i) {
            t.InsertItem("[0000" + std::to_string(1000 + i) + "] : S" + std::to_string(i), root);
        }
        t.Expand(root, tarnui::TreeExpand::Expand);
    }
    std::vector<size_t> PageSizes() {
        EXPECT_EQ(backend.Documents().size(), 1u);
        std::vector<size_t> sizes;
        for (const auto& page : backend.Documents().at(0).pages) {
            sizes.push_back(page.texts.size());
        }
        return sizes;
    }

private:
    std::optional<std::string> oldTmp_;
};

TEST_F(PrintTest, ListPagesUseCourierNewSizedToThePage) {
    CMapListCtrl list;
    MakeList(list, 150);
    script.PrintDialog(true);
    list.PrintList();
    ASSERT_EQ(PageSizes(), (std::vector<size_t>{66, 66, 18}));
    const PrintedDocument& doc = backend.Documents()[0];
    EXPECT_EQ(doc.name, TempFile("Listtmp.txt"));
    EXPECT_TRUE(doc.ended);
    // A4 at 300 dots per inch: 3507.9 dots a page, lines 51 dots apart, 47-dot Courier New.
    const auto& first = doc.pages[0].texts;
    EXPECT_EQ(first[0].text, "Name                                    Size")
        << "trailing blanks go";
    EXPECT_EQ(first[1].text, "");
    EXPECT_EQ(first[2].text, "S0                                      0x0");
    EXPECT_EQ(first[65].y, 65 * 51);
    EXPECT_EQ(first[0].fontFace, "Courier New");
    EXPECT_EQ(first[0].fontHeight, 47);
    EXPECT_EQ(doc.pages[1].texts[0].y, 0);
    EXPECT_EQ(doc.pages[1].texts[0].text.substr(0, 3), "S64");
    EXPECT_EQ(doc.pages[2].texts[17].text.substr(0, 4), "S147");
    EXPECT_FALSE(std::filesystem::exists(TempFile("Listtmp.txt")));
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
        MakeList(one, 2);
        tarnui::DeviceSettings settings = tarnui::HeadlessScript::HeadlessPrinter();
        settings.paperSize = k.paperSize;
        settings.paperLength = k.paperLength;
        settings.paperWidth = k.paperWidth;
        settings.printQuality = k.quality;
        script.PrintDialog(true, settings);
        one.PrintList();
        ASSERT_EQ(PageSizes(), std::vector<size_t>{2}) << k.what;
        const auto& texts = backend.Documents()[0].pages[0].texts;
        EXPECT_EQ(texts[0].fontHeight, k.fontHeight) << k.what;
        EXPECT_EQ(texts[1].y, k.secondLineY) << k.what;
    }
}

TEST_F(PrintTest, CancelOrAMissingPrinterPrintsNothingAndLeavesNoFile) {
    CMapListCtrl list;
    MakeList(list, 5);
    list.PrintList();  // the headless person cancels by default
    EXPECT_TRUE(backend.Documents().empty());
    EXPECT_EQ(backend.EventsOf(tarnui::ShownKind::PrintDialog).size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(TempFile("Listtmp.txt")));

    backend.SetPrinterAvailable(false);
    script.PrintDialog(true);
    list.PrintList();
    EXPECT_TRUE(backend.Documents().empty() || backend.Documents()[0].pages.empty());
    EXPECT_FALSE(std::filesystem::exists(TempFile("Listtmp.txt")));

    CMapTreeCtrl tree;
    MakeTree(tree, 3);
    tree.PrintTree();
    script.PrintDialog(true);
    tree.PrintTree();
    EXPECT_FALSE(std::filesystem::exists(TempFile("Treetmp.txt")));
}

TEST_F(PrintTest, TreePagesRepeatTheHeadingAndSeparatorLines) {
    CMapTreeCtrl tree;
    MakeTree(tree, 150);
    std::ofstream(TempFile("Treetmp.txt"), std::ios::binary) << "stale text\r\n";
    script.PrintDialog(true);
    tree.PrintTree();
    ASSERT_EQ(PageSizes(), (std::vector<size_t>{67, 67, 23}));
    const PrintedDocument& doc = backend.Documents()[0];
    EXPECT_EQ(doc.name, TempFile("Treetmp.txt"));

    const std::string heading = "Section" + std::string(77, ' ');  // one character fewer
    const auto& first = doc.pages[0].texts;
    EXPECT_EQ(first[2].text.substr(0, 19), "[-]-- Link map list");
    EXPECT_EQ(first[66].y, 66 * 52) << "A4 at 300 dots per inch holds 67 lines 52 dots apart";
    EXPECT_EQ(first[0].fontFace, "Courier") << "the device's own font";
    for (const auto& page : doc.pages) {
        EXPECT_EQ(page.texts[0].text, heading);
        EXPECT_EQ(page.texts[0].y, 0);
        EXPECT_EQ(page.texts[1].text, std::string(84, '-'));
        EXPECT_EQ(page.texts[1].y, 52);
        EXPECT_EQ(page.texts[2].y, 104);
        for (const auto& text : page.texts) {
            EXPECT_EQ(text.text.find("stale"), std::string::npos);
            EXPECT_EQ(text.text.size(), 84u);
        }
    }
    EXPECT_EQ(doc.pages[1].texts[2].text.substr(0, 25), " | |--- [00001064] : S64 ");
    EXPECT_EQ(doc.pages[2].texts[22].y, 22 * 52);
    EXPECT_EQ(doc.pages[2].texts[22].text.substr(0, 25), " | |--- [00001149] : S149");
    EXPECT_FALSE(std::filesystem::exists(TempFile("Treetmp.txt")));
}

// Full last pages: a list of 132 lines and a tree of 129 sections (132 lines) end without an
// empty page.
TEST_F(PrintTest, EveryLineLandsOnThePageOfTheChosenOrientation) {
    for (const bool landscape : {false, true}) {
        for (const bool tree : {false, true}) {
            backend.ClearRecord();
            tarnui::DeviceSettings settings = tarnui::HeadlessScript::HeadlessPrinter();
            settings.landscape = landscape;
            script.PrintDialog(true, settings);
            CMapTreeCtrl treeCtrl;
            CMapListCtrl listCtrl;
            if (tree) {
                MakeTree(treeCtrl, 129);
                treeCtrl.PrintTree();
            } else {
                MakeList(listCtrl, 132);
                listCtrl.PrintList();
            }
            const std::vector<size_t> pages =
                tree ? std::vector<size_t>{67, 67} : std::vector<size_t>{66, 66};
            EXPECT_EQ(PageSizes(), pages);
            const int height = tarnui::PrinterDC(settings).PageSizeDots().cy;
            for (const auto& page : backend.Documents().at(0).pages) {
                for (const auto& text : page.texts) {
                    ASSERT_LE(text.y + text.fontHeight, height)
                        << (tree ? "tree" : "list") << (landscape ? " landscape" : "");
                }
            }
        }
    }
}

}  // namespace
