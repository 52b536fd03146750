#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ViewsFixture.h"
#include "src/views/CMapListCtrl.h"
#include "src/views/CMapTreeCtrl.h"

namespace {

using tarnui::TreeExpand;
using tarnui::TreeItem;
using views_test::Golden;
using views_test::ReadCrLfText;
using views_test::ViewsTest;

class TextExportTest : public ViewsTest {
protected:
    void MakeList(const std::vector<std::string>& titles) {
        ASSERT_TRUE(list.Create(tarnui::kLvsReport, {0, 0, 600, 300}, &frame, 204, 0));
        for (size_t c = 0; c < titles.size(); ++c) {
            list.InsertColumn(static_cast<int>(c), titles[c], tarnui::ColumnAlign::Left, 100);
        }
    }
    void AddRow(const std::vector<std::string>& cells) {
        const int item = list.InsertItem(list.GetItemCount(), cells[0]);
        for (size_t c = 1; c < cells.size(); ++c) {
            list.SetItemText(item, static_cast<int>(c), cells[c]);
        }
    }
    void MakeTree() {
        ASSERT_TRUE(tree.Create(&frame, {0, 0, 400, 300}, 207,
                                tarnui::kTvsHasButtons | tarnui::kTvsLinesAtRoot));
    }

    CMapListCtrl list;
    CMapTreeCtrl tree;
};

TEST_F(TextExportTest, FourColumnsShareEightyCharactersAndLongHeadingsTakeATab) {
    MakeList({"Name", "Start Address", "Object File Name Column", "Size"});
    AddRow({"P", "00001000", "main.obj", "0x10"});
    AddRow({"C_very_long_section_name_x", "00002000", "", "0x200"});
    AddRow({""});  // nothing shown: no line
    AddRow({"", "", "", "0x4"});
    const std::string path = dir / "list.txt";
    ASSERT_EQ(list.WriteListText(path), 1);
    EXPECT_EQ(ReadCrLfText(path), Golden("list_four_columns.txt"));
}

TEST_F(TextExportTest, AHiddenColumnIsLeftOutButStillCountsForTheFieldWidth) {
    MakeList({"Name", "Start", "End", "Size", "Overlay Section Name"});
    list.ToggleColumn(2);
    AddRow({"P", "00001000", "00001FFF", "0x1000", ""});
    AddRow({"", "", "0000FFFF", "", ""});  // text only in the hidden column
    AddRow({"D", "00003000", "", "0x0", "P"});
    const std::string path = dir / "list.txt";
    // Written twice: the file is emptied, not appended to.
    ASSERT_EQ(list.WriteListText(path), 1);
    ASSERT_EQ(list.WriteListText(path), 1);
    EXPECT_EQ(ReadCrLfText(path), Golden("list_hidden_column.txt"));
}

TEST_F(TextExportTest, AFileThatCannotBeCreatedWritesNothing) {
    MakeList({"Name", "Size"});
    EXPECT_EQ(list.WriteListText(dir / "missing/list.txt"), 0);
    MakeTree();
    tree.InsertItem("root");
    EXPECT_EQ(tree.WriteTreeText(dir / "missing/tree.txt"), 0);
}

TEST_F(TextExportTest, ACollapsedRootIsOneLineUnderTheHeadings) {
    MakeTree();
    tree.SetColumnTitle(0, "Section");
    const TreeItem root = tree.InsertItem("Link map list");
    tree.InsertItem("[00001000 - 00001FFF] : P", root);
    const std::string path = dir / "tree.txt";
    ASSERT_EQ(tree.WriteTreeText(path), 1);
    EXPECT_EQ(ReadCrLfText(path), Golden("tree_collapsed.txt"));
    EXPECT_EQ(tree.PrintLayout().columnChars[0], 85);
    EXPECT_EQ(tree.SeparatorLine(), std::string(85, '-'));
}

TEST_F(TextExportTest, ExpandedLevelsGetBarsAndColumnsArePaddedOrCut) {
    MakeTree();
    tree.SetColumnTitle(0, "Name");
    tree.SetColumnWidth(0, 300);
    tree.InsertColumn(1, "Size", 100);
    const TreeItem root = tree.InsertItem("Link map list");
    tree.SetItemText(tree.InsertItem("P", root), 1, "0x10");
    const TreeItem group = tree.InsertItem("Grp", root);
    tree.SetItemText(tree.InsertItem("A", group), 1, "0x4");
    tree.InsertItem("B1", tree.InsertItem("B", group));
    tree.SetItemText(
        tree.InsertItem("a_section_name_that_is_rather_long_for_the_tree_column_width_XYZ", root),
        1, "0x8");
    const TreeItem other =
        tree.InsertItem("Another_top_level_item_whose_text_is_much_longer_than_sixty_three");
    tree.SetItemText(other, 1, "0x99");
    tree.InsertItem("hidden below a collapsed item", other);
    tree.Expand(root, TreeExpand::Expand);
    tree.Expand(group, TreeExpand::Expand);

    const std::string path = dir / "tree.txt";
    ASSERT_EQ(tree.WriteTreeText(path), 1);
    EXPECT_EQ(ReadCrLfText(path), Golden("tree_expanded.txt"));
    EXPECT_EQ(tree.PrintLayout().columnChars[0], 63);
    EXPECT_EQ(tree.PrintLayout().columnChars[1], 21);
    EXPECT_EQ(tree.HeadingLine().size(), 84u);
    EXPECT_EQ(tree.SeparatorLine(), std::string(84, '-'));
}

TEST_F(TextExportTest, WithoutHeadingsLowerLevelsHaveNoColumnWidth) {
    MakeTree();
    tree.ShowHeader(false, false);
    const TreeItem root = tree.InsertItem("Link map list");
    tree.InsertItem("P", root);
    tree.Expand(root, TreeExpand::Expand);
    const std::string path = dir / "tree.txt";
    ASSERT_EQ(tree.WriteTreeText(path), 1);
    // The top-level line stays whole; the section line is cut to nothing and not written.
    EXPECT_EQ(ReadCrLfText(path), "[-]-- Link map list\n");
    EXPECT_TRUE(tree.HeadingLine().empty());
    // Without headings the items are added to what the file holds.
    ASSERT_EQ(tree.WriteTreeText(path), 1);
    EXPECT_EQ(ReadCrLfText(path), "[-]-- Link map list\n[-]-- Link map list\n");
}

}  // namespace
