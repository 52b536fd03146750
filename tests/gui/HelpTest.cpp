// The component's help on screen: every help context it can raise finds its page, F1 opens
// the help window at the part about the window or control that asked, and Shift+F1 lets the
// next click choose the window.
#include <QFile>
#include <QTest>

#include "GuiFixture.h"
#include "gui/HelpTopics.h"
#include "gui/HelpWindow.h"
#include "platform/resources/ResourceContext.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/framework/CDlgWithHelp.h"
#include "src/shell/framework/ComponentModuleState.h"

namespace gui_testing {
namespace {

using HelpTest = GuiTest;

// Whether the page of the URL exists and holds the anchor its fragment names.
bool PageHoldsPlace(const QUrl& url) {
    QFile page(url.toLocalFile());
    return !url.isEmpty() && page.open(QIODevice::ReadOnly) &&
           (url.fragment().isEmpty() ||
            QString::fromUtf8(page.readAll()).contains("name=\"" + url.fragment() + "\""));
}

TEST_F(HelpTest, EveryHelpContextTheComponentCanRaiseHasAPageHoldingThePlaceItNames) {
    tarngui::MainWindow window(backend);
    ASSERT_TRUE(window.OpenWorkspace(Demo()));
    ASSERT_TRUE(window.OpenMapWindow("section-list"));
    ASSERT_TRUE(window.OpenMapWindow("symbol-list"));
    const tarngui::HelpTopics topics = tarngui::HelpTopics::Load(backend.HelpFolder());
    ASSERT_FALSE(topics.IsEmpty()) << backend.HelpFolder().toStdString();

    for (const char* name : {"section-settings", "section-list", "section-tree", "symbol-list"}) {
        CTarnDebugInstanceDataCtrlEx* view = window.Session()->FindView(name);
        ASSERT_NE(view, nullptr) << name;
        tarnui::HelpRequest request;
        request.kind = tarnui::HelpKind::Html;
        request.owner = view;
        request.data = static_cast<uintptr_t>(view->HelpContextId());
        const QUrl url = topics.UrlFor(request);
        EXPECT_TRUE(PageHoldsPlace(url)) << name << ": " << url.toString().toStdString();
        EXPECT_EQ(url.fragment(), tarngui::AnchorOf(QString::fromStdString(view->Caption())));
    }

    // Every control of every dialog that can hold the focus (all dialogs take their help
    // from the same base).
    window.Session()->MakeResourcesCurrent();
    const ScopedComponentState resources;
    const tarnui::ResourceTable* table = tarnui::CurrentResourceTable();
    ASSERT_NE(table, nullptr);
    ASSERT_GE(table->dialogs.size(), 7u);
    for (const auto& [id, dialog] : table->dialogs) {
        for (const tarnui::DialogControlTemplate& control : dialog.controls) {
            if (control.kind == tarnui::ControlKind::Static ||
                control.kind == tarnui::ControlKind::GroupBox) {
                continue;
            }
            tarnui::HelpRequest request;
            request.kind = tarnui::HelpKind::ContextPopup;
            request.data = CDlgWithHelp::HelpContextOf(id, control.id);
            EXPECT_TRUE(PageHoldsPlace(topics.UrlFor(request)))
                << "dialog " << id << " control " << control.id;
        }
    }
    tarnui::HelpRequest unknown;
    unknown.kind = tarnui::HelpKind::Html;
    unknown.data = 12345;
    EXPECT_TRUE(topics.UrlFor(unknown).isEmpty());
}

TEST_F(HelpTest, F1InAViewOpensTheHelpWindowAtThatViewsPart) {
    tarngui::MainWindow* const window = OpenWindow(Demo(), {"symbol-list"});
    ASSERT_NE(window, nullptr);
    struct Case {
        QWidget* widget;
        const char* place;
    };
    const Case cases[] = {
        {ViewWidget<tarngui::ListView>(*window, "symbol-list"), "symbol-list-window"},
        {ViewWidget<tarngui::TreeView>(*window, "section-tree"), "section-tree-window"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.widget, nullptr) << c.place;
        c.widget->setFocus();
        QTest::keyClick(c.widget, Qt::Key_F1);
        ASSERT_NE(backend.Help(), nullptr) << c.place;
        EXPECT_TRUE(backend.Help()->isVisible());
        EXPECT_EQ(backend.Help()->Source().fileName().toStdString(), "map-windows.html");
        EXPECT_EQ(backend.Help()->Source().fragment().toStdString(), c.place);
    }
    EXPECT_TRUE(backend.Help()->Browser()->toPlainText().contains("Symbol List Window"));
}

TEST_F(HelpTest, ShiftF1ShowsTheHelpCursorAndTheNextClickOpensTheClickedViewsPart) {
    tarngui::MainWindow* const window = OpenWindow(Demo(), {"symbol-list"});
    ASSERT_NE(window, nullptr);
    auto* symbols = ViewWidget<tarngui::ListView>(*window, "symbol-list");
    auto* sections = ViewWidget<tarngui::TreeView>(*window, "section-tree");
    ASSERT_NE(symbols, nullptr);
    ASSERT_NE(sections, nullptr);
    const tarnui::TreeControl& tree = *sections->Control();
    const tarnui::TreeItem selected = tree.GetSelectedItem();
    const QModelIndex row = sections->model()->index(1, 0, sections->model()->index(0, 0));
    ASSERT_NE(tree.GetItemText(selected), row.data().toString().toStdString());

    symbols->setFocus();
    QTest::keyClick(symbols, Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
    EXPECT_EQ(backend.Help(), nullptr) << "no help before the click";

    QTest::mouseClick(sections->viewport(), Qt::LeftButton, {}, sections->visualRect(row).center());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_NE(backend.Help(), nullptr);
    EXPECT_EQ(backend.Help()->Source().fragment().toStdString(), "section-tree-window");
    EXPECT_EQ(tree.GetSelectedItem(), selected) << "the click only asked";

    // Escape leaves the mode without help, and clicks act again.
    QTest::keyClick(symbols, Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    QTest::keyClick(symbols, Qt::Key_Escape);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::mouseClick(sections->viewport(), Qt::LeftButton, {}, sections->visualRect(row).center());
    EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), row.data().toString().toStdString());
}

}  // namespace
}  // namespace gui_testing
