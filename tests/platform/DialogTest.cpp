#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "HeadlessFixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/ListBox.h"
#include "platform/dialogs/DataExchange.h"
#include "platform/dialogs/Dialog.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/resources/ResourceContext.h"

namespace tarnui {
namespace {

using testing_support::HeadlessTest;

// A find dialog as a component would write it: history in the name box, two options, and
// OK refused with a message while the name is empty or unknown. The script's steps going on
// after a refused OK are the case tests/cases/views/symbol-find, with the component's dialog.
class FindDialog : public Dialog {
public:
    explicit FindDialog(std::vector<std::string> known) : Dialog(217), known_(std::move(known)) {}

    static DialogTemplate Template() {
        return {217,
                "Find Symbol",
                200,
                60,
                {{ControlKind::Static, -1, "&Name:", 5, 5, 40, 10},
                 {ControlKind::ComboBox, 218, "", 50, 5, 100, 60},
                 {ControlKind::CheckBox, 216, "&Match case", 5, 25, 80, 10},
                 {ControlKind::CheckBox, 219, "&Wild card ", 5, 40, 80, 10},
                 {ControlKind::DefPushButton, IDOK, "OK", 150, 5, 40, 14},
                 {ControlKind::PushButton, IDCANCEL, "Cancel", 150, 25, 40, 14}}};
    }

    std::string name;
    bool matchCase = true;  // the dialog switches both off when it opens
    bool wildCard = true;

protected:
    bool OnInitDialog() override {
        matchCase = wildCard = false;
        Dialog::OnInitDialog();
        GetControlAs<ComboBox>(218)->AddString("start");
        GetControlAs<ComboBox>(218)->SetCurSel(0);
        return true;
    }
    void DoDataExchange(DataExchange& dx) override {
        dx.Text(218, name);
        dx.Check(216, matchCase);
        dx.Check(219, wildCard);
    }
    void OnOK() override {
        UpdateData(true);
        if (name.empty()) {
            tarnui::MessageBox("Please enter a symbol name");
            return;
        }
        if (std::find(known_.begin(), known_.end(), name) == known_.end()) {
            tarnui::MessageBox("Symbol is not found");
            GotoDlgCtrl(218);
            return;
        }
        EndDialog(IDOK);
    }

private:
    std::vector<std::string> known_;
};

// A dialog with a multiple-selection list and a check list, read in OnOK.
class ListsDialog : public Dialog {
public:
    ListsDialog()
        : Dialog(
              DialogTemplate{9010,
                             "Lists",
                             0,
                             0,
                             {{ControlKind::ListBox, 9023, "", 7, 18, 111, 72, kStyleMultiSelect},
                              {ControlKind::CheckListBox, 9027, "", 7, 100, 111, 72},
                              {ControlKind::PushButton, 3, "&Set All"},
                              {ControlKind::DefPushButton, IDOK, "OK"},
                              {ControlKind::PushButton, IDCANCEL, "Cancel"}}}) {}
    std::vector<int> chosen, checks;

protected:
    bool OnInitDialog() override {
        auto* list = GetControlAs<ListBox>(9023);
        auto* checkList = GetControlAs<CheckListBox>(9027);
        for (const char* s : {"A", "B", "C", "D"}) {
            list->AddString(s);
            checkList->AddString(s);
        }
        list->SetSel(0, true);
        OnCommand(3, [checkList] {
            for (int i = 0; i < checkList->GetCount(); ++i) {
                checkList->SetCheck(i, 1);
            }
        });
        return true;
    }
    void OnOK() override {
        chosen = GetControlAs<ListBox>(9023)->GetSelItems();
        auto* cl = GetControlAs<CheckListBox>(9027);
        for (int i = 0; i < cl->GetCount(); ++i) {
            checks.push_back(cl->GetCheck(i));
        }
        EndDialog(IDOK);
    }
};

class DialogTest : public HeadlessTest {
protected:
    void SetUp() override { table.dialogs[217] = FindDialog::Template(); }
    ResourceTable table;
    ScopedResourceContext context{&table};
};

TEST_F(DialogTest, ScriptedValuesComeBackThroughDataExchange) {
    script.Dialog(217).SetText(218, "main").Check(219).Press(IDOK);
    FindDialog dlg({"main"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.name, "main");
    EXPECT_FALSE(dlg.matchCase);
    EXPECT_TRUE(dlg.wildCard);
    EXPECT_FALSE(dlg.IsCreated()) << "the window goes when the dialog ends";
    EXPECT_TRUE(dlg.Controls().empty());

    const auto dialogs = backend.EventsOf(ShownKind::Dialog);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].id, 217);
    EXPECT_EQ(dialogs[0].text, "Find Symbol");
    EXPECT_EQ(dialogs[0].answer, IDOK);
    EXPECT_FALSE(dialogs[0].defaulted);
}

TEST_F(DialogTest, DialogsTheScriptDoesNotEndAreCancelledAndMissingTemplatesFail) {
    FindDialog unscripted({"start"});
    EXPECT_EQ(unscripted.DoModal(), IDCANCEL);
    EXPECT_EQ(unscripted.name, "") << "Cancel does not save the controls";
    script.Dialog(217).SetText(218, "nosuch").Press(IDOK);
    FindDialog leftOpen({"main"});
    EXPECT_EQ(leftOpen.DoModal(), IDCANCEL);
    const auto dialogs = backend.EventsOf(ShownKind::Dialog);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_TRUE(dialogs[0].defaulted && dialogs[1].defaulted);
    EXPECT_EQ(dialogs[1].answer, IDCANCEL);

    backend.ClearRecord();
    Dialog missing(4711);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_TRUE(backend.Events().empty());
}

TEST_F(DialogTest, StepsOnDisabledControlsAndStepsAfterTheEndAreRefused) {
    script.Dialog(217)
        .Do("disable Match case", [](Dialog& d) { return d.EnableDlgItem(216, false); })
        .Check(216)
        .SetText(218, "main")
        .Press(IDOK)
        .Press(IDCANCEL);
    FindDialog dlg({"main"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(dlg.matchCase);
    const auto refused = backend.EventsOf(ShownKind::Refused);
    ASSERT_EQ(refused.size(), 2u) << backend.Transcript();
    EXPECT_EQ(refused[0].text, "dialog 217: Check(216, on)");
    EXPECT_EQ(refused[1].text, "dialog 217: Press(2) not done, the dialog had ended");
}

// The focus starts at the first tab stop; keys go to the focused control, what it leaves goes
// on to the dialog, and Return presses the default button.
TEST_F(DialogTest, KeysEditTheFocusedControlAndMoveTheFocusThroughTheDialog) {
    std::vector<int> focus;
    auto lookAtFocus = [&](Dialog& d) {
        focus.push_back(d.GetFocusedControl() ? d.GetFocusedControl()->GetDlgCtrlID() : 0);
        return true;
    };
    script.Dialog(217)
        .Do("focus", lookAtFocus)
        .SetText(218, "mainx")
        .Key(kKeyBack)
        .Key(kKeyTab)
        .Do("focus", lookAtFocus)
        .Key(kKeyTab, kModShift)
        .Key(kKeyTab, kModShift)
        .Do("focus", lookAtFocus)
        .Key(kKeyF5)
        .Key(kKeyTab)
        .Do("focus", lookAtFocus)
        .Key(kKeyReturn);
    FindDialog dlg({"main"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.name, "main");
    EXPECT_EQ(focus, (std::vector<int>{218, 216, IDCANCEL, 218}))
        << "the label is skipped; the tab order wraps both ways";
    const auto refused = backend.EventsOf(ShownKind::Refused);
    ASSERT_EQ(refused.size(), 1u) << backend.Transcript();
    EXPECT_EQ(refused[0].text, "dialog 217: Key(116)") << "nobody takes F5";

    script.Dialog(217).SetText(218, "main").Key(kKeyEscape);
    EXPECT_EQ(FindDialog({"main"}).DoModal(), IDCANCEL);
    EXPECT_FALSE(KeyDown(kKeyReturn)) << "no window holds the focus";
}

TEST_F(DialogTest, ListSelectionsAndChecksAreScriptedPerTemplateNumber) {
    // Queued in the opposite order to the dialogs: each script waits for its template.
    script.Dialog(217).SetText(218, "main").Press(IDOK);
    script.Dialog(9010).SelectItems(9023, {1, 3}).Press(3).CheckItem(9027, 2, false).Press(IDOK);
    script.Dialog(9010)
        .Do("click B, shift-click D",
            [](Dialog& d) {
                auto* l = d.GetControlAs<ListBox>(9023);
                return l->ClickItem(1) && l->ClickItem(3, kClickShift);
            })
        .Press(IDOK);
    ListsDialog first, second;
    EXPECT_EQ(first.DoModal(), IDOK);
    EXPECT_EQ(first.chosen, (std::vector<int>{1, 3})) << "the first click replaced the selection";
    EXPECT_EQ(first.checks, (std::vector<int>{1, 1, 0, 1})) << "Set All ran the dialog's command";
    EXPECT_EQ(second.DoModal(), IDOK);
    EXPECT_EQ(second.chosen, (std::vector<int>{1, 2, 3}));
    FindDialog find({"main"});
    EXPECT_EQ(find.DoModal(), IDOK);
    EXPECT_EQ(find.name, "main");
}

TEST_F(DialogTest, DataExchangeFailsOnANumberAndFocusesItsControl) {
    class NumberDialog : public Dialog {
    public:
        NumberDialog()
            : Dialog(DialogTemplate{50,
                                    "",
                                    0,
                                    0,
                                    {{ControlKind::Edit, 10, "", 0, 0, 50, 14},
                                     {ControlKind::Edit, 11, "", 0, 20, 50, 14},
                                     {ControlKind::DefPushButton, IDOK, "OK"}}}) {}
        int count = 7;
        int failedFocus = 0;

    protected:
        void DoDataExchange(DataExchange& dx) override { dx.Number(11, count); }
        void OnOK() override {
            if (!UpdateData(true)) {
                failedFocus = GetFocusedControl() ? GetFocusedControl()->GetDlgCtrlID() : 0;
                return;
            }
            EndDialog(IDOK);
        }
    };
    script.Dialog(50).SetText(11, "12x").Press(IDOK).SetText(11, " 42 ").Press(IDOK);
    NumberDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.failedFocus, 11);
    EXPECT_EQ(dlg.count, 42);
}

}  // namespace
}  // namespace tarnui
