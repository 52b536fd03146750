#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HeadlessFixture.h"
#include "platform/menus/Menu.h"
#include "platform/menus/PopupMenu.h"
#include "platform/resources/ResourceContext.h"
#include "platform/windows/Window.h"

namespace tarnui {
namespace {

class MenuTest : public testing_support::HeadlessTest {
protected:
    void SetUp() override {
        const MenuItemTemplate columns{
            "&Columns", 0, false, {{"Address", 40001, false, {}}, {"Size", 40002, false, {}}}};
        table.menus[9001] = {9001,
                             {{"Popup",
                               0,
                               false,
                               {{"&Find...\tCtrl+F", 32812, false, {}},
                                {"", 0, true, {}},
                                {"Find &Next", 32813, false, {}},
                                columns}}}};
        ASSERT_TRUE(owner.Create(nullptr, {}, 0, kWsVisible, "view"));
        popup = *Menu::Load(9001)->GetSubMenu(0);
    }
    ResourceTable table;
    ScopedResourceContext context{&table};
    Window owner;
    Menu popup;
};

TEST_F(MenuTest, ScriptedChoiceIsReturnedOrSentToTheOwner) {
    std::vector<int> ran;
    owner.OnCommand(32813, [&] { ran.push_back(32813); });
    script.PopupMenu(32812).PopupMenu(32813);
    EXPECT_EQ(TrackPopupMenu(popup, kTpmReturnCommand, {10, 20}, &owner), 32812);
    EXPECT_TRUE(ran.empty()) << "returned, not sent";
    EXPECT_EQ(TrackPopupMenu(popup, kTpmDefault, {10, 20}, &owner), 32813);
    EXPECT_EQ(ran, std::vector<int>{32813});

    const auto shown = backend.EventsOf(ShownKind::PopupMenu);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].items, (std::vector<std::string>{"Find...", "-", "Find Next",
                                                        "Columns > Address", "Columns > Size"}));
    EXPECT_EQ(MenuDisplayText("Save && E&xit"), "Save & Exit");
    EXPECT_EQ(Menu::Load(1), nullptr);
}

TEST_F(MenuTest, DisabledOrUnknownChoicesAndAnEmptyScriptDismissTheMenu) {
    Menu plain;
    plain.AppendItem("Address", 1, true, true);
    plain.AppendItem("Size", 2, false);
    script.PopupMenu(2).PopupMenu(77);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(TrackPopupMenu(plain, kTpmReturnCommand, {}, &owner), 0) << i;
    }
    EXPECT_EQ(backend.EventsOf(ShownKind::Refused).size(), 2u);
    EXPECT_TRUE(backend.EventsOf(ShownKind::PopupMenu).back().defaulted);
    EXPECT_EQ(backend.EventsOf(ShownKind::PopupMenu)[0].items,
              (std::vector<std::string>{"Address [x]", "Size (disabled)"}));
}

TEST_F(MenuTest, UpdateFromTheCommandChainSetsStatesBeforeShowing) {
    owner.OnCommand(32812, [] {});
    owner.OnUpdateCommand(32813, [](CommandUI& ui) { ui.Enable(false); });
    owner.OnCommand(40001, [] {});
    owner.OnUpdateCommand(40001, [](CommandUI& ui) { ui.SetCheck(true); });
    script.PopupMenu(32813);
    EXPECT_EQ(TrackPopupMenu(popup, kTpmUpdateCommands | kTpmReturnCommand, {}, &owner), 0)
        << "a person cannot choose a command its update handler disabled";
    EXPECT_TRUE(popup.FindCommand(32812)->enabled);
    EXPECT_FALSE(popup.FindCommand(40002)->enabled) << "nobody handles it; found in a submenu";
    EXPECT_TRUE(popup.FindCommand(40001)->checked);
}

}  // namespace
}  // namespace tarnui
