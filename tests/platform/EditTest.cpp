#include <gtest/gtest.h>

#include <string>

#include "HeadlessFixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/windows/Window.h"

namespace tarnui {
namespace {

// The refusal rule of a name box: no operator characters anywhere in the text.
bool NoOperators(std::string_view, const std::string& proposed) {
    return proposed.find_first_of("+-/%<>&|!^()\"'=") == std::string::npos;
}

class EditTest : public testing_support::HeadlessTest {
protected:
    void SetUp() override { ASSERT_TRUE(parent.Create(nullptr, {}, 0, kWsVisible)); }
    Window parent;
};

TEST_F(EditTest, FilterRefusesCharactersWithABeepAndKeepsTheTextBeforeTheEdit) {
    int changes = 0;
    parent.OnNotification(218, kNotifyEditChange, [&](const Notification&) { ++changes; });
    Edit edit;
    ASSERT_TRUE(edit.CreateControl(&parent, {}, 218, kStyleNone));
    edit.SetFilter(NoOperators);

    EXPECT_FALSE(edit.TypeText("ma+in"));
    EXPECT_EQ(edit.GetWindowText(), "main");
    EXPECT_EQ(backend.BeepCount(), 1);
    EXPECT_EQ(changes, 4);

    edit.SetSel(0, 2);
    EXPECT_FALSE(edit.Paste("a(b"));
    EXPECT_EQ(edit.GetWindowText(), "main") << "a refused paste changes nothing";
    EXPECT_EQ(edit.GetSel(), std::make_pair(0, 2));
    EXPECT_EQ(backend.BeepCount(), 2);

    edit.SetWindowText("x=y");  // code is not filtered
    EXPECT_EQ(edit.GetWindowText(), "x=y");
}

TEST_F(EditTest, TypingReplacesTheSelectionWithinTheLimitInCharactersUnlessReadOnly) {
    Edit edit;
    ASSERT_TRUE(edit.CreateControl(&parent, {}, 218, kStyleNone, "abcdef"));
    edit.SetSel(1, 3);
    EXPECT_TRUE(edit.TypeText("X"));
    EXPECT_EQ(edit.GetWindowText(), "aXdef");
    EXPECT_EQ(edit.GetSel(), std::make_pair(2, 2));
    edit.SetSel(1, 2);
    EXPECT_TRUE(edit.TypeText("XY"));
    EXPECT_EQ(edit.GetWindowText(), "aXYdef") << "typing over the same character moves on";
    edit.SetSel(2, 3);
    EXPECT_TRUE(edit.PressBackspace());
    edit.LimitText(6);
    EXPECT_FALSE(edit.TypeText("YZ"));
    EXPECT_EQ(edit.GetWindowText(), "aXYdef");
    edit.SetSel(0, -1);
    EXPECT_TRUE(edit.Paste("123456789"));
    EXPECT_EQ(edit.GetWindowText(), "123456") << "a paste is cut to the limit";

    edit.SetWindowText("");
    edit.LimitText(3);
    EXPECT_TRUE(edit.TypeText("äöü"));
    EXPECT_FALSE(edit.TypeText("x"));
    EXPECT_TRUE(edit.PressBackspace());
    EXPECT_EQ(edit.GetWindowText(), "äö") << "backspace removes a whole character";
    EXPECT_EQ(backend.BeepCount(), 2);

    Edit fixed;
    ASSERT_TRUE(fixed.CreateControl(&parent, {}, 219, kStyleReadOnly, "fixed"));
    EXPECT_FALSE(fixed.TypeText("x"));
    EXPECT_FALSE(fixed.PressBackspace());
    EXPECT_EQ(fixed.GetWindowText(), "fixed");
    EXPECT_EQ(backend.BeepCount(), 4);
}

TEST_F(EditTest, EditableComboBoxFiltersTypingLikeAnEdit) {
    ComboBox combo;
    ASSERT_TRUE(combo.CreateControl(&parent, {}, 218, kStyleNone));
    combo.AddString("main");
    combo.SetCurSel(0);
    combo.SetFilter(NoOperators);
    EXPECT_TRUE(combo.EnterText("sym"));
    EXPECT_FALSE(combo.TypeText("|"));
    EXPECT_EQ(combo.GetWindowText(), "sym");
    EXPECT_EQ(combo.GetCurSel(), -1) << "typed text is not the chosen item";
    EXPECT_EQ(backend.BeepCount(), 1);
}

TEST_F(EditTest, DropDownListShowsOnlyItsItems) {
    ComboBox combo;
    ASSERT_TRUE(combo.CreateControl(&parent, {}, 9026, kStyleDropDownList, "ignored"));
    EXPECT_EQ(combo.GetWindowText(), "");
    for (const char* s : {"Attribute", "Scope", "Section", "File"}) {
        combo.AddString(s);
    }
    combo.SetWindowText("Nonsense");
    EXPECT_EQ(combo.GetCurSel(), -1);
    combo.SetWindowText("section");
    EXPECT_EQ(combo.GetCurSel(), 2) << "item searches ignore case";
    EXPECT_EQ(combo.GetWindowText(), "Section");
    EXPECT_FALSE(combo.PressBackspace());
    EXPECT_TRUE(combo.TypeText("f"));
    EXPECT_EQ(combo.GetWindowText(), "File") << "a key jumps to the item it starts";
    EXPECT_EQ(combo.DeleteString(3), 3);
    EXPECT_EQ(combo.GetWindowText(), "") << "deleting the selected item clears the text";

    // Arrow keys walk the items and stop at the ends.
    combo.SetFocus();
    const std::pair<uint32_t, const char*> steps[] = {
        {kKeyDown, "Attribute"}, {kKeyDown, "Scope"}, {kKeyDown, "Section"},
        {kKeyDown, "Section"},   {kKeyUp, "Scope"},   {kKeyUp, "Attribute"},
        {kKeyUp, "Attribute"},
    };
    for (const auto& [key, text] : steps) {
        EXPECT_TRUE(KeyDown(key, kModNone));
        EXPECT_EQ(combo.GetWindowText(), text);
    }
}

}  // namespace
}  // namespace tarnui
