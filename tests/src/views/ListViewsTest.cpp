// The section and symbol lists as the command sink opens them, on tests/data/listings/views.map
// (a zero-size section between two gaps, an unknown attribute word, main.obj beside main.o),
// worked through the headless backend.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/lib/SubstituteHost.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/dialogs/DialogIds.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"
#include "src/shell/sink/MapViewFactory.h"
#include "src/views/CTarnMapSectionListInstanceCtrl.h"
#include "src/views/CTarnMapSymbolListInstanceCtrl.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace {

using tarnres::kCtlFindName;

class ListViewsTest : public ::testing::Test {
protected:
    ListViewsTest()
        : use_(backend),
          host_(tarnhost::Workspace::ForListing(TARN_TEST_DATA_DIR "/listings/views.map"),
                {.installDir = dir_.Path().string(),
                 .hostPlaceholders = {},
                 .configDir = dir_.Path().string()}) {
        SetComponentResourceTable(&shelltest::ResourceLibrary()->Table());
        frames_ = std::make_unique<CViewFrameManager>(host_.Host());
        sink_ = std::make_unique<CTarnMapDataCommandSink>(host_.Host(), frames_.get());
        EXPECT_TRUE(sink_->CreateSinkWindow());
        const tarnhost::Contexts c = host_.ContextStrings();
        sink_->DataManager().SetContext(c.workspace, c.project, c.config, c.device);
    }
    ~ListViewsTest() override {
        sink_.reset();
        SetComponentResourceTable(nullptr);
    }

    // The view in a shown pane of its own, loaded and refreshed.
    template <class View>
    View* Open(int kind) {
        tarnui::Window* pane =
            frames_->CreatePane("{KEY}" + std::to_string(kind), "Map", 0x1A04, kDockBarBottom);
        auto made = MakeListView(kind, *sink_);
        EXPECT_TRUE(made->CreateViewWindow(pane, sink_.get()));
        frames_->RequestFrameState(pane, kFrameShowAndActivate);
        auto* view = static_cast<View*>(sink_->AddView(std::move(made)));
        sink_->Reload(kReloadLinkMap);
        view->Refresh();
        return view;
    }

    // Every shown row as its cells joined by "," (columns from 0 to `columns` - 1), rows by
    // " | ".
    static std::string Rows(const CMapListCtrl& list, int columns) {
        std::string text;
        for (int i = 0; i < list.GetItemCount(); ++i) {
            text += i == 0 ? "" : " | ";
            for (int c = 0; c < columns; ++c) {
                text += (c == 0 ? "" : ",") + list.GetItemText(i, c);
            }
        }
        return text;
    }

    static std::string Names(const CMapListCtrl& list) { return Rows(list, 1); }

    static std::string State(tarnui::Window& view, int command) {
        const tarnui::CommandUI ui = view.QueryCommand(command);
        return std::string(ui.enabled ? "enabled" : "disabled") + (ui.checked ? "+checked" : "");
    }

    tarnhost::TempDir dir_;
    tarnui::HeadlessBackend backend;
    tarnui::HeadlessScript& script = backend.Script();

    tarnui::ScopedBackend use_;
    tarnhost::SubstituteHost host_;
    std::unique_ptr<CViewFrameManager> frames_;
    std::unique_ptr<CTarnMapDataCommandSink> sink_;
};

TEST_F(ListViewsTest, SectionListSortsHidesAndMergesGaps) {
    auto* view = Open<CTarnMapSectionListInstanceCtrl>(kViewSectionList);
    CMapListCtrl& list = view->List();
    EXPECT_EQ(list.GetColumn(1)->image, 0);
    EXPECT_TRUE(list.GetColumn(1)->imageOnRight);
    EXPECT_EQ(Names(list), "A | B | C | D");
    EXPECT_EQ(State(*view, tarnres::kCmdShowNoSizeSection), "enabled");

    // Zero-size sections shown: an empty End Address.
    view->ExecuteCommand(tarnres::kCmdShowNoSizeSection);
    EXPECT_EQ(State(*view, tarnres::kCmdShowNoSizeSection), "enabled+checked");
    EXPECT_EQ(Rows(list, 4),
              "A,00000000,00000FFF,1000 | Z,00002000,,0 | B,00003000,000033FF,400 | "
              "C,00005000,000050FF,100 | D,00006000,0000600F,10");

    // Gaps shown, zero-size hidden again: the two gaps around Z become one row.
    view->ExecuteCommand(tarnres::kCmdShowNoSizeSection);
    view->ExecuteCommand(tarnres::kCmdShowUnallocatedArea);
    EXPECT_EQ(Rows(list, 4),
              "A,00000000,00000FFF,1000 | Unallocated Area,00001000,00002FFF,2000 | "
              "B,00003000,000033FF,400 | Unallocated Area,00003400,00004FFF,1C00 | "
              "C,00005000,000050FF,100 | Unallocated Area,00005100,00005FFF,F00 | "
              "D,00006000,0000600F,10 | Unallocated Area,00006010,FFFFFFFF,FFFF9FF0");

    // Size: ascending, descending, ascending; the arrow follows.
    list.ClickColumnHeader(3);
    EXPECT_EQ(Names(list).substr(0, 12), "D | C | B | ");
    EXPECT_EQ(list.GetColumn(1)->image, -1);
    list.ClickColumnHeader(3);
    EXPECT_EQ(list.GetColumn(3)->image, 1);
    EXPECT_EQ(Names(list).substr(0, 19), "Unallocated Area | ");
    list.ClickColumnHeader(3);
    EXPECT_EQ(Names(list).substr(0, 12), "D | C | B | ");

    // By name the gaps come together in the model's order; a gap merges only into the first
    // of the run when it starts right after its end, which none of these does.
    list.ClickColumnHeader(0);
    EXPECT_EQ(Rows(list, 3),
              "A,00000000,00000FFF | B,00003000,000033FF | C,00005000,000050FF | "
              "D,00006000,0000600F | Unallocated Area,00005100,00005FFF | "
              "Unallocated Area,00002000,00002FFF | Unallocated Area,00001000,00001FFF | "
              "Unallocated Area,00003400,00004FFF | Unallocated Area,00006010,FFFFFFFF");

    // Closing saves the column layout under the class name: "Name" is 4 bytes of 8 x 1.5.
    sink_->CloseAllViews();
    int32_t width = 0;
    EXPECT_TRUE(Succeeded(host_.Profile().ReadNumber(u"CTarnMapSectionListInstanceCtrl",
                                                     u"ColWidth0", &width)));
    EXPECT_EQ(width, 48);
}

TEST_F(ListViewsTest, SymbolFilterTakesExactWordsAndFileNamesWithoutExtension) {
    auto* view = Open<CTarnMapSymbolListInstanceCtrl>(kViewSymbolList);
    CMapListCtrl& list = view->List();
    EXPECT_EQ(list.GetItemCount(), 10);

    // The attribute "vect" and the scope "w" are none of the listed words.
    script.Dialog(tarnres::kDlgFilterSymbol)
        .Check(tarnres::kCtlFilterEnable)
        .ChooseText(tarnres::kCtlFilterColumn, "File")
        .SetText(tarnres::kCtlFilterItemEdit, "  main ")
        .Press(tarnui::IDOK);
    view->ExecuteCommand(tarnres::kCmdFilter);
    EXPECT_EQ(view->FileFilter(), "main");
    EXPECT_EQ(Names(list), "_main | _Main_loop | _table | _main_o_entry");
    EXPECT_EQ(State(*view, tarnres::kCmdFind), "disabled");
    EXPECT_EQ(State(*view, tarnres::kCmdFilter), "enabled");

    script.Dialog(tarnres::kDlgFilterSymbol)
        .ChooseText(tarnres::kCtlFilterColumn, "File")
        .SetText(tarnres::kCtlFilterItemEdit, "main.obj")
        .Press(tarnui::IDOK);
    view->ExecuteCommand(tarnres::kCmdFilter);
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(State(*view, tarnres::kCmdPrintSymbolList), "enabled");

    // Cancel after "Clear All" keeps every item checked; OK after it hides every row.
    script.Dialog(tarnres::kDlgFilterSymbol)
        .Press(tarnres::kCtlFilterClearAll)
        .ChooseText(tarnres::kCtlFilterColumn, "Scope")
        .Press(tarnui::IDCANCEL);
    view->ExecuteCommand(tarnres::kCmdFilter);
    for (const auto& item : view->AttributeItems()) {
        EXPECT_EQ(item->checked, 1u) << item->name;
    }
    script.Dialog(tarnres::kDlgFilterSymbol)
        .ChooseText(tarnres::kCtlFilterColumn, "Scope")
        .Press(tarnres::kCtlFilterClearAll)
        .CheckItem(tarnres::kCtlFilterItemList, 1)
        .ChooseText(tarnres::kCtlFilterColumn, "File")
        .SetText(tarnres::kCtlFilterItemEdit, "")
        .Press(tarnui::IDOK);
    view->ExecuteCommand(tarnres::kCmdFilter);
    EXPECT_EQ(Names(list), "_Main_loop | _util_count | _done");
}

TEST_F(ListViewsTest, FindStepsBothWaysAndKeepsTenNames) {
    auto* view = Open<CTarnMapSymbolListInstanceCtrl>(kViewSymbolList);
    EXPECT_EQ(State(*view, tarnres::kCmdFindNext), "disabled");

    // Empty text and a name that is not there keep the dialog open; then a case-blind match.
    script.Dialog(tarnres::kDlgFindSymbol)
        .Press(tarnui::IDOK)
        .SetText(kCtlFindName, "nothing")
        .Press(tarnui::IDOK)
        .SetText(kCtlFindName, "MAIN")
        .Press(tarnui::IDOK);
    view->ExecuteCommand(tarnres::kCmdFind);
    EXPECT_TRUE(backend.ShowedMessage("Please enter a symbol name"));
    EXPECT_TRUE(backend.ShowedMessage("Symbol is not found"));
    EXPECT_EQ(view->FindPosition(), 0);

    view->ExecuteCommand(tarnres::kCmdFindNext);      // _Main_loop
    view->ExecuteCommand(tarnres::kCmdHostFindNext);  // _main_o_entry
    EXPECT_EQ(view->FindPosition(), 3);
    EXPECT_EQ(view->List().GetNextItem(-1, tarnui::kLvniSelected), 3);
    view->ExecuteCommand(tarnres::kCmdHostFindPrevious);
    EXPECT_EQ(view->FindPosition(), 1);
    for (int i = 0; i < 4; ++i) {  // _main_o_entry, _util_main, _crc_main, then the end
        view->ExecuteCommand(tarnres::kCmdFindNext);
    }
    EXPECT_EQ(view->FindPosition(), 8);
    EXPECT_TRUE(backend.ShowedMessage("Search has reached the end of symbols"));

    // Match case and wild card; refused characters beep and leave the text as it was.
    script.Dialog(tarnres::kDlgFindSymbol)
        .SetText(kCtlFindName, "")
        .Type(kCtlFindName, "_M(*")
        .Check(tarnres::kCtlFindMatchCase)
        .Check(tarnres::kCtlFindWildCard)
        .Press(tarnui::IDOK);
    const int beeps = backend.BeepCount();
    view->ExecuteCommand(tarnres::kCmdFind);
    EXPECT_EQ(backend.BeepCount(), beeps + 1);
    EXPECT_EQ(view->FindText(), "_M*");
    EXPECT_EQ(view->FindPosition(), 1);

    for (const char* name : {"a", "b", "c", "d", "e", "f", "l", "n", "o", "MAIN", "util", "n"}) {
        script.Dialog(tarnres::kDlgFindSymbol).SetText(kCtlFindName, name).Press(tarnui::IDOK);
        view->ExecuteCommand(tarnres::kCmdFind);
    }
    const FindHistory expected = {"n", "util", "MAIN", "o", "l", "f", "e", "d", "c", "b"};
    EXPECT_EQ(view->History(), expected);
}

}  // namespace
