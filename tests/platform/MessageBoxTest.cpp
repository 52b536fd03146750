#include <gtest/gtest.h>

#include <vector>

#include "HeadlessFixture.h"
#include "platform/commands/Application.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/resources/ResourceContext.h"

namespace tarnui {
namespace {

using Icon = MessageBoxIcon;
using Buttons = MessageBoxButtons;

struct FlagCase {
    uint32_t flags;
    Icon icon;
    Buttons buttons;
    std::vector<int> offered;
    int defaultAnswer;
};

class MessageBoxFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(MessageBoxFlags, DecodeIntoIconButtonsAndDefault) {
    const FlagCase& c = GetParam();
    const MessageBoxRequest r = MessageBoxRequest::FromFlags(nullptr, "t", "c", c.flags);
    EXPECT_EQ(r.icon, c.icon);
    EXPECT_EQ(r.buttons, c.buttons);
    EXPECT_EQ(r.Buttons(), c.offered);
    EXPECT_EQ(r.DefaultAnswer(), c.defaultAnswer);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, MessageBoxFlags, ::testing::Values(
    FlagCase{kMbOk, Icon::None, Buttons::Ok, {IDOK}, IDOK},
    FlagCase{kMbIconExclamation, Icon::Exclamation, Buttons::Ok, {IDOK}, IDOK},
    FlagCase{kMbOkCancel | kMbIconInformation, Icon::Information, Buttons::OkCancel,
             {IDOK, IDCANCEL}, IDOK},
    FlagCase{kMbYesNo | kMbIconQuestion | kMbDefButton2, Icon::Question, Buttons::YesNo,
             {IDYES, IDNO}, IDNO},
    FlagCase{kMbYesNoCancel | kMbIconError | kMbDefButton3, Icon::Error, Buttons::YesNoCancel,
             {IDYES, IDNO, IDCANCEL}, IDCANCEL},
    // A default button beyond the set falls back to the last button.
    FlagCase{kMbOk | kMbDefButton3, Icon::None, Buttons::Ok, {IDOK}, IDOK}));
// clang-format on

using MessageBoxTest = testing_support::HeadlessTest;

TEST_F(MessageBoxTest, ScriptedAnswersAreGivenInOrderAndRecorded) {
    script.MessageBox(IDNO).MessageBox(IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "Save the changes?", "Map", kMbYesNoCancel | kMbIconQuestion),
              IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Really?", "Map", kMbYesNoCancel), IDCANCEL);
    const auto boxes = backend.EventsOf(ShownKind::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Save the changes?");
    EXPECT_EQ(boxes[0].caption, "Map");
    EXPECT_EQ(boxes[0].icon, Icon::Question);
    EXPECT_EQ(boxes[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(boxes[0].answer, IDNO);
    EXPECT_FALSE(boxes[0].defaulted);
}

// A backend that answers with something no button means; the platform keeps to the box.
class WildBackend : public HeadlessBackend {
public:
    int ShowMessageBox(const MessageBoxRequest&) override { return 12345; }
};

TEST_F(MessageBoxTest, AnswersTheBoxCannotGiveBecomeItsDefaultButton) {
    EXPECT_EQ(MessageBox(nullptr, "Overwrite?", "", kMbYesNo | kMbDefButton2), IDNO);
    EXPECT_TRUE(backend.Events().at(0).defaulted) << "an empty script says so";
    EXPECT_NE(backend.Transcript().find("default"), std::string::npos);

    script.MessageBox(IDYES);
    EXPECT_EQ(MessageBox("Symbol is not found"), IDOK);
    const auto refused = backend.EventsOf(ShownKind::Refused);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].text.find("Symbol is not found"), std::string::npos);

    WildBackend wild;
    ScopedBackend use(wild);
    EXPECT_EQ(MessageBox(nullptr, "q", "c", kMbYesNo | kMbDefButton2), IDNO);
}

TEST_F(MessageBoxTest, CaptionDefaultsToTheApplicationTitleAndTextsComeFromStrings) {
    Application app("Generic TARN Map");
    Application::SetCurrent(&app);
    ResourceTable table;
    table.strings[32802] = "Symbol is not found";
    ScopedResourceContext context(&table);
    MessageBoxFromString(32802, kMbIconExclamation);
    Application::SetCurrent(nullptr);
    const auto boxes = backend.EventsOf(ShownKind::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Symbol is not found");
    EXPECT_EQ(boxes[0].caption, "Generic TARN Map");
    EXPECT_EQ(boxes[0].icon, Icon::Exclamation);
}

}  // namespace
}  // namespace tarnui
