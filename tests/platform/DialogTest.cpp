#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HeadlessFixture.h"
#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/ListBox.h"
#include "platform/dialogs/DataExchange.h"
#include "platform/dialogs/Dialog.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/resources/ResourceContext.h"

namespace tarnui {
namespace {

using testing_support::HeadlessTest;

DialogTemplate FindTemplate() {
    DialogTemplate t;
    t.id = 217;
    t.title = "Find Symbol";
    t.width = 200;
    t.height = 60;
    t.controls = {
        {ControlKind::Static, -1, "&Name:", 5, 5, 40, 10},
        {ControlKind::ComboBox, 218, "", 50, 5, 100, 60},
        {ControlKind::CheckBox, 216, "&Match case", 5, 25, 80, 10},
        {ControlKind::CheckBox, 219, "&Wild card ", 5, 40, 80, 10},
        {ControlKind::DefPushButton, IDOK, "OK", 150, 5, 40, 14},
        {ControlKind::PushButton, IDCANCEL, "Cancel", 150, 25, 40, 14},
    };
    return t;
}

// A find dialog as a component would write it: history in the name box, two options, and
// OK refused with a message while the name is empty or unknown.
class FindDialog : public Dialog {
public:
    FindDialog(std::vector<std::string> history, std::vector<std::string> known)
        : Dialog(217), history_(std::move(history)), known_(std::move(known)) {}

    std::string name;
    bool matchCase = true;  // the dialog switches both off when it opens
    bool wildCard = true;

protected:
    bool OnInitDialog() override {
        matchCase = wildCard = false;
        Dialog::OnInitDialog();
        auto* box = GetControlAs<ComboBox>(218);
        for (const std::string& h : history_) {
            box->AddString(h);
        }
        box->SetCurSel(0);
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
    std::vector<std::string> history_, known_;
};

class DialogTest : public HeadlessTest {
protected:
    void SetUp() override { table.dialogs[217] = FindTemplate(); }
    ResourceTable table;
    ScopedResourceContext context{&table};
};

TEST_F(DialogTest, ScriptedValuesComeBackThroughDataExchange) {
    script.Dialog(217).SetText(218, "main").Check(219).Press(IDOK);
    FindDialog dlg({"start", "init"}, {"main"});
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

TEST_F(DialogTest, RefusedOkKeepsTheDialogOpenForTheNextSteps) {
    script.Dialog(217)
        .SetText(218, "")
        .Press(IDOK)
        .SetText(218, "nosuch")
        .Press(IDOK)
        .SetText(218, "main")
        .Press(IDOK);
    FindDialog dlg({"start"}, {"main"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.name, "main");
    EXPECT_EQ(backend.MessageTexts(),
              (std::vector<std::string>{"Please enter a symbol name", "Symbol is not found"}));
    EXPECT_TRUE(backend.ShowedMessage("Symbol is not found"));
    EXPECT_TRUE(backend.EventsOf(ShownKind::Refused).empty()) << backend.Transcript();
}

TEST_F(DialogTest, UnscriptedDialogIsCancelledAndMarkedAsDefault) {
    FindDialog dlg({"start"}, {"start"});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.name, "") << "Cancel does not save the controls";
    const auto dialogs = backend.EventsOf(ShownKind::Dialog);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].defaulted);
    EXPECT_EQ(dialogs[0].answer, IDCANCEL);
}

TEST_F(DialogTest, ScriptThatLeavesTheDialogOpenEndsInCancel) {
    script.Dialog(217).SetText(218, "nosuch").Press(IDOK);
    FindDialog dlg({}, {"main"});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(backend.EventsOf(ShownKind::Dialog)[0].defaulted);
}

TEST_F(DialogTest, StepsOnDisabledControlsAndStepsAfterTheEndAreRefused) {
    script.Dialog(217)
        .Do("disable Match case", [](Dialog& d) { return d.EnableDlgItem(216, false); })
        .Check(216)
        .SetText(218, "main")
        .Press(IDOK)
        .Press(IDCANCEL);
    FindDialog dlg({}, {"main"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(dlg.matchCase);
    const auto refused = backend.EventsOf(ShownKind::Refused);
    ASSERT_EQ(refused.size(), 2u) << backend.Transcript();
    EXPECT_EQ(refused[0].text, "dialog 217: Check(216, on)");
    EXPECT_EQ(refused[1].text, "dialog 217: Press(2) not done, the dialog had ended");
}

TEST_F(DialogTest, MissingTemplateFailsWithoutShowingAnything) {
    Dialog dlg(4711);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(backend.Events().empty());
}

TEST_F(DialogTest, InitialFocusIsTheFirstTabStopAndEnterPressesTheDefaultButton) {
    int focusedId = 0;
    script.Dialog(217)
        .Do("look at the focus",
            [&](Dialog& d) {
                focusedId = d.GetFocusedControl() ? d.GetFocusedControl()->GetDlgCtrlID() : 0;
                return true;
            })
        .SetText(218, "main")
        .Enter();
    FindDialog dlg({}, {"main"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(focusedId, 218) << "the label is skipped";
}

TEST_F(DialogTest, DialogScriptsAreMatchedByTemplateNumber) {
    DialogTemplate other;
    other.id = 9003;
    other.title = "Select Map Window Type";
    other.controls = {{ControlKind::ComboBox, 9019, "", 0, 0, 50, 50, kStyleDropDownList},
                      {ControlKind::DefPushButton, IDOK, "OK"},
                      {ControlKind::PushButton, IDCANCEL, "Cancel"}};
    table.dialogs[9003] = other;

    script.Dialog(217).SetText(218, "main").Press(IDOK);
    script.Dialog(9003).ChooseText(9019, "Map Symbol Information").Press(IDOK);

    class TypeDialog : public Dialog {
    public:
        TypeDialog() : Dialog(9003) {}
        int index = -1;

    protected:
        bool OnInitDialog() override {
            auto* box = GetControlAs<ComboBox>(9019);
            box->AddString("Map Section Information");
            box->AddString("Map Symbol Information");
            box->SetCurSel(0);
            return true;
        }
        void DoDataExchange(DataExchange& dx) override { dx.ComboIndex(9019, index); }
    };
    TypeDialog type;
    EXPECT_EQ(type.DoModal(), IDOK);
    EXPECT_EQ(type.index, 1);
    FindDialog find({}, {"main"});
    EXPECT_EQ(find.DoModal(), IDOK);
    EXPECT_EQ(find.name, "main");
}

// A dialog with a multiple-selection list and a check list, read in OnOK.
class ListsDialog : public Dialog {
public:
    ListsDialog() : Dialog(MakeTemplate()) {}
    std::vector<int> chosen;
    std::vector<int> checks;
    int setAllPresses = 0;

    static DialogTemplate MakeTemplate() {
        DialogTemplate t;
        t.id = 9010;
        t.title = "Lists";
        t.controls = {{ControlKind::ListBox, 9023, "", 7, 18, 111, 72, kStyleMultiSelect},
                      {ControlKind::CheckListBox, 9027, "", 7, 100, 111, 72},
                      {ControlKind::PushButton, 3, "&Set All"},
                      {ControlKind::DefPushButton, IDOK, "OK"},
                      {ControlKind::PushButton, IDCANCEL, "Cancel"}};
        return t;
    }

protected:
    bool OnInitDialog() override {
        auto* list = GetControlAs<ListBox>(9023);
        auto* checkList = GetControlAs<CheckListBox>(9027);
        for (const char* s : {"A", "B", "C", "D"}) {
            list->AddString(s);
            checkList->AddString(s);
        }
        list->SetSel(0, true);
        OnCommand(3, [this] {
            ++setAllPresses;
            auto* cl = GetControlAs<CheckListBox>(9027);
            for (int i = 0; i < cl->GetCount(); ++i) {
                cl->SetCheck(i, 1);
            }
        });
        return true;
    }
    void OnOK() override {
        chosen = GetControlAs<ListBox>(9023)->GetSelItems();
        auto* cl = GetControlAs<CheckListBox>(9027);
        checks.clear();
        for (int i = 0; i < cl->GetCount(); ++i) {
            checks.push_back(cl->GetCheck(i));
        }
        EndDialog(IDOK);
    }
};

TEST_F(DialogTest, MultipleSelectionAndCheckListValuesAreScripted) {
    script.Dialog(9010).SelectItems(9023, {1, 3}).Press(3).CheckItem(9027, 2, false).Press(IDOK);
    ListsDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.chosen, (std::vector<int>{1, 3})) << "the first click replaced the selection";
    EXPECT_EQ(dlg.setAllPresses, 1) << "a plain button runs the dialog's command";
    EXPECT_EQ(dlg.checks, (std::vector<int>{1, 1, 0, 1}));
}

TEST_F(DialogTest, ShiftClickSelectsARangeFromTheAnchor) {
    script.Dialog(9010)
        .Do("click B, shift-click D",
            [](Dialog& d) {
                auto* l = d.GetControlAs<ListBox>(9023);
                return l->ClickItem(1) && l->ClickItem(3, kClickShift);
            })
        .Press(IDOK);
    ListsDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.chosen, (std::vector<int>{1, 2, 3}));
}

TEST_F(DialogTest, DataExchangeFailsOnANumberAndFocusesItsControl) {
    DialogTemplate t;
    t.id = 50;
    t.controls = {{ControlKind::Edit, 10, "", 0, 0, 50, 14},
                  {ControlKind::Edit, 11, "", 0, 20, 50, 14},
                  {ControlKind::DefPushButton, IDOK, "OK"}};
    class NumberDialog : public Dialog {
    public:
        explicit NumberDialog(DialogTemplate t) : Dialog(std::move(t)) {}
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
    NumberDialog dlg(t);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.failedFocus, 11);
    EXPECT_EQ(dlg.count, 42);
}

}  // namespace
}  // namespace tarnui
