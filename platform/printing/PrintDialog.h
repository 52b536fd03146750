// The print dialog: the person picks a printer and page settings, or cancels.
#pragma once

#include <optional>

#include "platform/printing/DeviceSettings.h"

namespace tarnui {

std::optional<PrintChoice> ShowPrintDialog(const PrintDialogRequest& request);

}  // namespace tarnui
