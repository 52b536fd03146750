#include "platform/printing/PrintDialog.h"

#include "platform/backend/Backend.h"

namespace tarnui {

std::optional<PrintChoice> ShowPrintDialog(const PrintDialogRequest& request) {
    return CurrentBackend().ShowPrintDialog(request);
}

}  // namespace tarnui
