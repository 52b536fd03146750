// A person's input in the Map views on screen: the view toolbars, keys in the lists, the find
// and filter dialogs typed into key by key, a placement group added through the editor's
// dialog and committed to the workspace file, and a drag in the section setting tree.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <vector>

#include "GuiFixture.h"
#include "gui/DialogWidget.h"
#include "gui/HelpWindow.h"
#include "platform/resources/ResourceTable.h"
#include "platform/windows/Cursor.h"
#include "src/resources/ResourceIds.h"

namespace gui_testing {
namespace {

using ViewInputTest = GuiTest;
using tarngui::ListView;

tarngui::DialogWidget* OpenDialog() {
    return dynamic_cast<tarngui::DialogWidget*>(QApplication::activeModalWidget());
}

std::string SelectedName(const tarnui::ListControl& list) {
    const int row = list.GetNextItem(-1, tarnui::kLvniSelected);
    return row < 0 ? std::string() : list.GetItemText(row, 0);
}

TEST_F(ViewInputTest, FindFromTheToolbarTakesTheNameKeyByKeyAndARefusedKeyBeeps) {
    tarngui::MainWindow* const window = OpenWindow(Demo(), {"symbol-list"});
    ASSERT_NE(window, nullptr);
    QAction* find = ToolbarButton<ListView>(*window, "symbol-list", tarnres::kCmdFind);
    QAction* next = ToolbarButton<ListView>(*window, "symbol-list", tarnres::kCmdFindNext);
    ASSERT_NE(find, nullptr);
    ASSERT_NE(next, nullptr);
    EXPECT_FALSE(find->icon().isNull());
    EXPECT_EQ(find->toolTip().toStdString(), "Find");
    EXPECT_TRUE(find->isEnabled());
    EXPECT_FALSE(next->isEnabled()) << "nothing found yet";

    std::string typed, help;
    WhenShown([&] {
        tarngui::DialogWidget* dialog = OpenDialog();
        if (dialog == nullptr) {
            return false;
        }
        QLineEdit* name = dialog->findChild<QComboBox*>()->lineEdit();
        QTest::keyClicks(name, "_main(_is=r");
        QTest::qWait(20);
        typed = name->text().toStdString();
        QTest::keyClick(name, Qt::Key_F1);
        if (backend.Help() != nullptr) {
            help = backend.Help()->Source().fileName().toStdString() + "#" +
                   backend.Help()->Source().fragment().toStdString();
        }
        QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
        return true;
    });
    find->trigger();
    EXPECT_EQ(typed, "_main_isr");
    EXPECT_EQ(backend.Beeps(), 2);
    EXPECT_EQ(help, "find-symbol.html#control-218");
    ListView* view = ViewWidget<ListView>(*window, "symbol-list");
    EXPECT_EQ(SelectedName(*view->Control()), "_main_isr");
    QApplication::processEvents();
    EXPECT_TRUE(next->isEnabled());
}

TEST_F(ViewInputTest, KeysMoveTheListsSelectionAndTheWidgetScrollsWithIt) {
    tarngui::MainWindow* const window = OpenWindow(Demo(), {"symbol-list"});
    ASSERT_NE(window, nullptr);
    ListView* view = ViewWidget<ListView>(*window, "symbol-list");
    tarnui::ListControl& list = *view->Control();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(list.GetNextItem(-1, tarnui::kLvniSelected), 0);
    QTest::keyClick(view, Qt::Key_End);
    QApplication::processEvents();
    EXPECT_EQ(list.GetNextItem(-1, tarnui::kLvniSelected), list.GetItemCount() - 1);
    EXPECT_EQ(view->verticalScrollBar()->value(), list.GetTopIndex());
    EXPECT_GT(list.GetTopIndex(), 0);
    const QRect last = view->visualRect(view->model()->index(list.GetItemCount() - 1, 0));
    EXPECT_TRUE(view->viewport()->rect().contains(last)) << "the control's last page is shown";
    QTest::keyClick(view, Qt::Key_Home);
    QApplication::processEvents();
    EXPECT_EQ(list.GetTopIndex(), 0);
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);
}

TEST_F(ViewInputTest, TheTreeModelAnswersEachRowOfTheControlInAnyOrderOfAsking) {
    tarngui::MainWindow window(backend);
    ASSERT_TRUE(window.OpenWorkspace(Demo()));
    ASSERT_TRUE(window.OpenMapWindow("symbol-list"));
    QApplication::processEvents();
    tarngui::TreeView* view = ViewWidget<tarngui::TreeView>(window, "section-tree");
    ASSERT_NE(view, nullptr);
    const tarnui::TreeControl& tree = *view->Control();
    std::vector<std::string> sections;
    for (tarnui::TreeItem item = tree.GetChildItem(tree.GetRootItem()); item != 0;
         item = tree.GetNextSiblingItem(item)) {
        sections.push_back(tree.GetItemText(item));
    }
    ASSERT_GT(sections.size(), 4u);
    QAbstractItemModel& model = *view->model();
    const QModelIndex root = model.index(0, 0);
    ASSERT_EQ(model.rowCount(root), static_cast<int>(sections.size()));
    const int last = static_cast<int>(sections.size()) - 1;
    for (int row : {0, 1, last, last - 1, 2, last, 1, 3, 0}) {
        const QModelIndex index = model.index(row, 0, root);
        EXPECT_EQ(index.data().toString().toStdString(), sections[static_cast<size_t>(row)]) << row;
        EXPECT_EQ(model.parent(index), root);
        EXPECT_EQ(index.row(), row);
    }
    EXPECT_FALSE(model.index(last + 1, 0, root).isValid());
}

TEST_F(ViewInputTest, TheFilterDialogShowsTheSymbolsOfATypedSectionAndDisablesFind) {
    tarngui::MainWindow* const window = OpenWindow(Demo(), {"symbol-list"});
    ASSERT_NE(window, nullptr);
    ListView* view = ViewWidget<ListView>(*window, "symbol-list");
    tarnui::ListControl& list = *view->Control();
    const int before = list.GetItemCount();
    QAction* filter = ToolbarButton<ListView>(*window, "symbol-list", tarnres::kCmdFilter);
    QAction* find = ToolbarButton<ListView>(*window, "symbol-list", tarnres::kCmdFind);
    ASSERT_NE(filter, nullptr);

    WhenShown([&] {
        tarngui::DialogWidget* dialog = OpenDialog();
        if (dialog == nullptr) {
            return false;
        }
        QTest::mouseClick(dialog->findChild<QCheckBox*>(), Qt::LeftButton);  // Enable Filter
        auto* column = dialog->findChild<QComboBox*>();
        QTest::keyClick(column, Qt::Key_Down);  // Scope
        QTest::keyClick(column, Qt::Key_Down);  // Section: the edit page
        QTest::qWait(20);
        QLineEdit* section = dialog->findChild<QLineEdit*>();
        EXPECT_TRUE(section->isVisible());
        QTest::keyClicks(section, "P");
        QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
        return true;
    });
    filter->trigger();
    QApplication::processEvents();
    ASSERT_GT(list.GetItemCount(), 0);
    EXPECT_LT(list.GetItemCount(), before);
    for (int row = 0; row < list.GetItemCount(); ++row) {
        EXPECT_EQ(list.GetItemText(row, 6), "P") << row;
    }
    EXPECT_EQ(view->model()->rowCount(), list.GetItemCount());
    EXPECT_FALSE(find->isEnabled()) << "no find while the filter is on";
    EXPECT_TRUE(filter->isEnabled());
}

TEST_F(ViewInputTest, AGroupAddedThroughTheEditorsDialogIsInTheWorkspaceFileAfterCommit) {
    const auto dir = CopiesOf({"examples/demo/demo.tarnws", "examples/demo/blinky.map"});
    tarngui::MainWindow* const window = OpenWindow(*dir / "demo.tarnws", {"section-list"});
    ASSERT_NE(window, nullptr);
    CTarnDebugInstanceDataCtrlEx* settings = window->Session()->FindView("section-settings");
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(settings->ExecuteCommand(tarnres::kCmdSectionEditMode));

    WhenShown([&] {
        tarngui::DialogWidget* dialog = OpenDialog();
        if (dialog == nullptr) {
            return false;
        }
        const auto edits = dialog->findChildren<QLineEdit*>();
        EXPECT_EQ(edits.size(), 2);
        QTest::keyClick(edits[0], Qt::Key_End);
        QTest::keyClick(edits[0], Qt::Key_Backspace);
        QTest::keyClicks(edits[0], "E000");
        QTest::keyClicks(edits[1], "NEWSEC");
        QTest::qWait(20);  // the widget follows the control on the next turns
        EXPECT_EQ(edits[1]->text().toStdString(), "NEWSEC");
        QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
        return true;
    });
    ASSERT_TRUE(settings->ExecuteCommand(tarnres::kCmdAddSectionGroup));

    WhenShown([&] {
        auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) {
            Press(box, "Yes");
        }
        return box != nullptr;
    });
    ASSERT_TRUE(settings->ExecuteCommand(tarnres::kCmdSectionEditMode));  // leave: commit

    const std::string text = ReadAll(*dir / "demo.tarnws");
    EXPECT_NE(text.find("sections = NEWSEC"), std::string::npos) << text;
    EXPECT_NE(text.find("E000"), std::string::npos);
    window->CloseWorkspace();
}

TEST_F(ViewInputTest, DisplayToolbarHidesAndShowsThePanesToolbarAtOnce) {
    tarngui::MainWindow* const window = OpenWindow(Demo(), {"symbol-list"});
    ASSERT_NE(window, nullptr);
    QAction* find = ToolbarButton<ListView>(*window, "symbol-list", tarnres::kCmdFind);
    ASSERT_NE(find, nullptr);
    auto* bar = static_cast<QWidget*>(find->parent());
    ASSERT_FALSE(bar->isHidden());
    CTarnDebugInstanceDataCtrlEx* symbols = window->Session()->FindView("symbol-list");
    QTest::qWait(50);  // nothing else left to look at
    ASSERT_TRUE(symbols->ExecuteCommand(tarnres::kCmdDisplayToolbar));
    QApplication::processEvents();
    EXPECT_TRUE(bar->isHidden());
    QTest::qWait(50);
    ASSERT_TRUE(symbols->ExecuteCommand(tarnres::kCmdDisplayToolbar));
    QApplication::processEvents();
    EXPECT_FALSE(bar->isHidden());
}

TEST_F(ViewInputTest, ARefusedDropTargetShowsTheNoDropCursorAndTheArrowReturnsAfterTheDrop) {
    tarngui::MainWindow* const window = OpenWindow(Demo(), {"section-settings"});
    ASSERT_NE(window, nullptr);
    CTarnDebugInstanceDataCtrlEx* settings = window->Session()->FindView("section-settings");
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(settings->ExecuteCommand(tarnres::kCmdSectionEditMode));
    QApplication::processEvents();
    auto* view = ViewWidget<tarngui::TreeView>(*window, "section-settings");
    ASSERT_NE(view, nullptr);
    // The first section of a list that holds several, dragged onto the root, which takes none.
    tarnui::TreeControl& tree = *view->Control();
    int group = 0;
    tarnui::TreeItem item = tree.GetChildItem(tree.GetRootItem());
    for (; item != 0 && tree.GetChildItem(tree.GetChildItem(item)) == 0; ++group) {
        item = tree.GetNextSiblingItem(item);
    }
    ASSERT_NE(item, 0);
    tree.EnsureVisible(tree.GetChildItem(tree.GetChildItem(item)));
    QApplication::processEvents();
    QAbstractItemModel& model = *view->model();
    const QModelIndex root = model.index(0, 0);
    const QModelIndex section = model.index(0, 0, model.index(0, 0, model.index(group, 0, root)));
    ASSERT_TRUE(section.isValid());
    const QPoint from = view->visualRect(section).center();
    const QPoint to = view->visualRect(root).center();
    ASSERT_GT((to - from).manhattanLength(), QApplication::startDragDistance());
    auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent e(type, at, view->viewport()->mapToGlobal(at), Qt::LeftButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &e);
    };
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::LeftButton);  // the drag begins
    mouse(QEvent::MouseMove, to, Qt::LeftButton);  // over the root
    ASSERT_TRUE(tree.IsDragging());
    const tarnui::Cursor shown = tarnui::GetCursor();
    ASSERT_EQ(shown.id, tarnres::kCursorNoDrop);
    const QCursor* cursor = QApplication::overrideCursor();
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->hotSpot(), QPoint(shown.image->hotX, shown.image->hotY));
    const QImage picture = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), QSize(shown.image->width, shown.image->height));
    for (int i = 0; i < shown.image->width * shown.image->height; ++i) {
        ASSERT_EQ(picture.pixel(i % shown.image->width, i / shown.image->width),
                  shown.image->pixels[static_cast<size_t>(i)])
            << i;
    }

    mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    EXPECT_FALSE(tree.IsDragging());
    EXPECT_TRUE(tarnui::GetCursor().IsArrow());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace gui_testing
