// The print chooser command of every view and the print selection dialog.
#include <gtest/gtest.h>

#include "platform/controls/ComboBox.h"
#include "platform/dialogs/DialogIds.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/framework/CDlgSelectPrint.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace shelltest {
namespace {

using Journal = std::vector<std::string>;

std::vector<std::string> ComboItems(tarnui::Dialog& dialog, int id) {
    std::vector<std::string> items;
    if (auto* combo = dialog.GetControlAs<tarnui::ComboBox>(id)) {
        for (int i = 0; i < combo->GetCount(); ++i) {
            items.push_back(combo->GetLBText(i));
        }
    }
    return items;
}

class PrintChooserTest : public ShellTest {
protected:
    PrintChooserTest() : manager_(Host()), sink_(MakeSink(&manager_)) {
        list_ = OpenView(*sink_, manager_, "Section List Window", true);
        tree_ = OpenView(*sink_, manager_, "Section Tree Window", false);
        symbols_ = OpenView(*sink_, manager_, "Symbol List Window", true);
    }
    ~PrintChooserTest() override { sink_.reset(); }

    // Records what the dialog offered when it opened.
    void ScriptChoice(const std::string& text) {
        backend_.Script()
            .Dialog(tarnres::kDlgSelectPrint)
            .Do("read the offer",
                [this](tarnui::Dialog& d) {
                    offered_ = ComboItems(d, tarnres::kCtlPrintWindowType);
                    initialSelection_ =
                        d.GetControlAs<tarnui::ComboBox>(tarnres::kCtlPrintWindowType)->GetCurSel();
                    return true;
                })
            .ChooseText(tarnres::kCtlPrintWindowType, text)
            .Press(tarnui::IDOK);
    }

    Journal Printed() const {
        Journal printed;
        for (const std::string& line : journal_) {
            if (line.ends_with(": print")) {
                printed.push_back(line);
            }
        }
        return printed;
    }

    CViewFrameManager manager_;
    std::unique_ptr<CUiDebugCommandSink> sink_;
    RecordingView* list_ = nullptr;
    RecordingView* tree_ = nullptr;
    RecordingView* symbols_ = nullptr;
    std::vector<std::string> offered_;
    int initialSelection_ = -2;
};

TEST_F(PrintChooserTest, OffersThePrintableViewsAndPrintsTheOneChosenIgnoringCase) {
    ScriptChoice("symbol list WINDOW");
    ASSERT_TRUE(tree_->ExecuteCommand(tarnres::kCmdPrintChooser));
    EXPECT_EQ(offered_, (std::vector<std::string>{"Section List Window", "Symbol List Window"}));
    EXPECT_EQ(initialSelection_, 0);
    EXPECT_EQ(Printed(), (Journal{"Symbol List Window: print"}));
}

TEST_F(PrintChooserTest, PrintsEveryViewWhoseCaptionMatches) {
    symbols_->SetCaption("SECTION LIST WINDOW");
    ScriptChoice("Section List Window");
    ASSERT_TRUE(list_->ExecuteCommand(tarnres::kCmdPrintChooser));
    EXPECT_EQ(Printed(), (Journal{"Section List Window: print", "Symbol List Window: print"}));
}

TEST_F(PrintChooserTest, CancelPrintsNothing) {
    backend_.Script().Dialog(tarnres::kDlgSelectPrint).Press(tarnui::IDCANCEL);
    ASSERT_TRUE(list_->ExecuteCommand(tarnres::kCmdPrintChooser));
    EXPECT_EQ(backend_.EventsOf(tarnui::ShownKind::Dialog).size(), 1u);
    EXPECT_TRUE(Printed().empty());
}

TEST_F(PrintChooserTest, EnabledWhileSomeViewCanPrintOtherwiseNoDialogOpens) {
    EXPECT_TRUE(tree_->QueryCommand(tarnres::kCmdPrintChooser).enabled);
    list_->SetPrintable(false);
    EXPECT_TRUE(tree_->QueryCommand(tarnres::kCmdPrintChooser).enabled);
    symbols_->SetPrintable(false);
    EXPECT_FALSE(tree_->QueryCommand(tarnres::kCmdPrintChooser).enabled);
    EXPECT_FALSE(tree_->ExecuteCommand(tarnres::kCmdPrintChooser));
    EXPECT_TRUE(backend_.EventsOf(tarnui::ShownKind::Dialog).empty());
    EXPECT_TRUE(Printed().empty());
}

TEST_F(PrintChooserTest, CandidatesFollowTheOpeningOrder) {
    EXPECT_EQ(sink_->CountPrintableViews(), 2);
    EXPECT_EQ(sink_->PrintCandidateCaption(0), "Section List Window");
    EXPECT_EQ(sink_->PrintCandidateCaption(1), "Symbol List Window");
    EXPECT_EQ(sink_->PrintCandidateCaption(2), "");
    EXPECT_EQ(sink_->PrintCandidateCaption(-1), "");
    // A closed view leaves the candidates.
    sink_->ViewClosing(list_);
    EXPECT_EQ(sink_->PrintCandidateCaption(0), "Symbol List Window");
    EXPECT_EQ(sink_->PrintCandidateCaption(1), "");
}

// --- the dialog itself ---------------------------------------------------------------------------

class SelectPrintDialogTest : public ShellTest {
protected:
    ScopedComponentState state_;
};

TEST_F(SelectPrintDialogTest, SelectedIndexPastTheEndStartsAtTheFirstCaption) {
    struct Case {
        int given;
        int shown;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{2, 0}, Case{9, 0}}) {
        CDlgSelectPrint dialog;
        dialog.AddCaption("one");
        dialog.AddCaption("two");
        dialog.SetSelectedIndex(c.given);
        int shown = -2;
        backend_.Script()
            .Dialog(tarnres::kDlgSelectPrint)
            .Do("read",
                [&shown](tarnui::Dialog& d) {
                    shown =
                        d.GetControlAs<tarnui::ComboBox>(tarnres::kCtlPrintWindowType)->GetCurSel();
                    return true;
                })
            .Press(tarnui::IDOK);
        ASSERT_EQ(dialog.DoModal(), tarnui::IDOK);
        EXPECT_EQ(shown, c.shown) << c.given;
        EXPECT_EQ(dialog.SelectedIndex(), c.shown);
        EXPECT_EQ(dialog.SelectedCaption(), c.shown == 0 ? "one" : "two");
    }
}

TEST_F(SelectPrintDialogTest, ConfirmingWithNothingSelectedGivesNoCaptionCancelKeepsNone) {
    // A negative index selects nothing; OK must not read a caption outside the list.
    CDlgSelectPrint dialog;
    dialog.AddCaption("one");
    dialog.SetSelectedIndex(-1);
    backend_.Script().Dialog(tarnres::kDlgSelectPrint).Press(tarnui::IDOK);
    ASSERT_EQ(dialog.DoModal(), tarnui::IDOK);
    EXPECT_EQ(dialog.SelectedIndex(), -1);
    EXPECT_EQ(dialog.SelectedCaption(), "");

    CDlgSelectPrint cancelled;
    cancelled.AddCaption("one");
    backend_.Script().Dialog(tarnres::kDlgSelectPrint).Press(tarnui::IDCANCEL);
    ASSERT_EQ(cancelled.DoModal(), tarnui::IDCANCEL);
    EXPECT_EQ(cancelled.SelectedCaption(), "");
}

}  // namespace
}  // namespace shelltest
