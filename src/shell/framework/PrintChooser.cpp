#include "src/shell/framework/PrintChooser.h"

#include "src/shell/framework/CDlgSelectPrint.h"
#include "src/shell/framework/CUiCommandSink.h"
#include "src/shell/framework/ComponentModuleState.h"

int RunPrintChooser(CUiCommandSink& sink, tarnui::Window* owner) {
    ScopedComponentState state;
    CDlgSelectPrint dialog(owner);
    const int count = sink.CountPrintableViews();
    for (int i = 0; i < count; ++i) {
        dialog.AddCaption(sink.PrintCandidateCaption(i));
    }
    if (dialog.DoModal() != tarnui::IDOK || dialog.SelectedCaption().empty()) {
        return 0;
    }
    return sink.PrintViewsByCaption(dialog.SelectedCaption());
}
