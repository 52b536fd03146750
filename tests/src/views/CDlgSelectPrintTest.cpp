#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ViewsFixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/dialogs/Dialog.h"
#include "platform/resources/ResourceContext.h"
#include "src/resources/ResourceIds.h"
#include "src/views/CDlgSelectPrint.h"

namespace {

using views_test::ViewsTest;

// The dialog comes from the real resource library.
class CDlgSelectPrintTest : public ViewsTest {
protected:
    void SetUp() override {
        ViewsTest::SetUp();
        std::string error;
        library_ = tarnui::ResourceLibrary::Load(TARN_BINARY_DIR "/libTarnMapExtRes.so", &error);
        ASSERT_NE(library_, nullptr) << "build the TarnMapExtRes target first: " << error;
        context_ = std::make_unique<tarnui::ScopedResourceContext>(*library_);
        dialog.captions = {"Section List Window", "Symbol List Window", "Section Tree Window"};
    }

    CDlgSelectPrint dialog;
    // What the drop-down showed when the dialog opened.
    int shownSelection = -2;
    int shownCount = -1;

    tarnui::DialogScript& Open() {
        return script.Dialog(tarnres::kDlgSelectPrint)
            .Do("look at the drop-down", [this](tarnui::Dialog& d) {
                auto* box = d.GetControlAs<tarnui::ComboBox>(tarnres::kCtlPrintWindowType);
                if (box == nullptr) {
                    return false;
                }
                shownSelection = box->GetCurSel();
                shownCount = box->GetCount();
                return true;
            });
    }

private:
    std::unique_ptr<tarnui::ResourceLibrary> library_;
    std::unique_ptr<tarnui::ScopedResourceContext> context_;
};

TEST_F(CDlgSelectPrintTest, OkTakesTheChosenIndexAndItsCaption) {
    dialog.selectedIndex = 1;
    Open().Choose(tarnres::kCtlPrintWindowType, 2).Press(tarnui::IDOK);
    ASSERT_EQ(dialog.DoModal(), tarnui::IDOK);
    EXPECT_EQ(shownCount, 3);
    EXPECT_EQ(shownSelection, 1);
    EXPECT_EQ(dialog.selectedIndex, 2);
    EXPECT_EQ(dialog.selectedCaption, "Section Tree Window");
    EXPECT_EQ(backend.EventsOf(tarnui::ShownKind::Dialog).at(0).text, "Select Print");
}

TEST_F(CDlgSelectPrintTest, AnIndexPastTheCaptionsStartsAtTheFirst) {
    dialog.selectedIndex = 3;
    Open().Press(tarnui::IDOK);
    ASSERT_EQ(dialog.DoModal(), tarnui::IDOK);
    EXPECT_EQ(shownSelection, 0);
    EXPECT_EQ(dialog.selectedIndex, 0);
    EXPECT_EQ(dialog.selectedCaption, "Section List Window");
}

TEST_F(CDlgSelectPrintTest, CancelKeepsTheCaptionEmpty) {
    dialog.selectedIndex = 2;
    Open().Choose(tarnres::kCtlPrintWindowType, 0).Press(tarnui::IDCANCEL);
    EXPECT_EQ(dialog.DoModal(), tarnui::IDCANCEL);
    EXPECT_TRUE(dialog.selectedCaption.empty());
    EXPECT_EQ(dialog.selectedIndex, 2);
}

TEST_F(CDlgSelectPrintTest, NoCaptionsGiveNoSelection) {
    dialog.captions.clear();
    Open().Press(tarnui::IDOK);
    ASSERT_EQ(dialog.DoModal(), tarnui::IDOK);
    EXPECT_EQ(shownCount, 0);
    EXPECT_EQ(dialog.selectedIndex, -1);
    EXPECT_TRUE(dialog.selectedCaption.empty());
}

}  // namespace
