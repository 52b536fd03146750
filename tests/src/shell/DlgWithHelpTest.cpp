// F1 in a dialog: the popup of the control's help context in the ".hlp" file beside the
// component's library.
#include <gtest/gtest.h>

#include "platform/commands/Application.h"
#include "platform/system/Module.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/framework/CDlgWithHelp.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace shelltest {
namespace {

// A dialog whose library lives in a directory of the test's own.
class PlacedDialog : public CDlgWithHelp {
public:
    PlacedDialog(int templateId, std::string library)
        : CDlgWithHelp(templateId), library_(std::move(library)) {}

protected:
    std::string ComponentFileName() const override { return library_; }

private:
    std::string library_;
};

void AnchorInTestProgram() {}

class DlgWithHelpTest : public ShellTest {};

TEST_F(DlgWithHelpTest, HelpFileIsTheComponentLibraryWithTheHlpExtension) {
    // Linked into this test program, the component's library is the program itself.
    CDlgWithHelp dialog(tarnres::kDlgSelectPrint);
    EXPECT_EQ(dialog.TemplateNumber(), 9011);
    const std::string program = tarnui::ModuleFileNameOf(&AnchorInTestProgram);
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(dialog.HelpFilePath(), tarnui::ReplaceExtension(program, ".hlp"));
    PlacedDialog placed(9003, "/opt/tarn/lib/libTarnMap.so");
    EXPECT_EQ(placed.HelpFilePath(), "/opt/tarn/lib/libTarnMap.hlp");
}

TEST_F(DlgWithHelpTest, F1OpensTheControlsPopupOnlyWhenTheHelpFileExistsAndKeepsTheAppHelpFile) {
    PlacedDialog dialog(tarnres::kDlgSelectPrint, (dir_.Path() / "libTarnMap.so").string());
    EXPECT_FALSE(dialog.OnHelpForControl(tarnres::kCtlPrintWindowType));
    EXPECT_TRUE(backend_.EventsOf(tarnui::ShownKind::Help).empty());

    const std::string helpFile = dir_.Write("libTarnMap.hlp", "help");
    tarnui::Application app("host");
    tarnui::Application::SetCurrent(&app);
    app.SetHelpFilePath("/host/host.hlp");
    EXPECT_TRUE(dialog.OnHelpForControl(tarnres::kCtlPrintWindowType));
    EXPECT_EQ(app.HelpFilePath(), "/host/host.hlp");
    tarnui::Application::SetCurrent(nullptr);

    const auto help = backend_.EventsOf(tarnui::ShownKind::Help);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].help.kind, tarnui::HelpKind::ContextPopup);
    EXPECT_EQ(help[0].help.file, helpFile);
    EXPECT_EQ(help[0].help.command, tarnui::kHelpContextPopup);
    EXPECT_EQ(help[0].help.data, 0x80000000u + 9011u * 65536u + 9035u);
}

TEST_F(DlgWithHelpTest, F1WhileTheDialogRunsAsksForTheFocusedControl) {
    dir_.Write("libTarnMap.hlp", "help");
    PlacedDialog dialog(tarnres::kDlgSelectPrint, (dir_.Path() / "libTarnMap.so").string());
    backend_.Script()
        .Dialog(tarnres::kDlgSelectPrint)
        .Focus(tarnres::kCtlPrintWindowType)
        .Key(tarnui::kKeyF1)
        .Press(tarnui::IDCANCEL);
    ScopedComponentState state;
    ASSERT_EQ(dialog.DoModal(), tarnui::IDCANCEL);
    EXPECT_TRUE(backend_.EventsOf(tarnui::ShownKind::Refused).empty()) << backend_.Transcript();
    const auto help = backend_.EventsOf(tarnui::ShownKind::Help);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].help.data, 0x80000000u + 9011u * 65536u + 9035u);
}

}  // namespace
}  // namespace shelltest
