#include "src/editor/CheckMessage.h"

#include "platform/dialogs/MessageBox.h"
#include "src/editor/SectionCheckErrors.h"

void ShowCheckMessage(int error) {
    tarnui::MessageBoxFromString(CheckMessageId(error), tarnui::kMbOk | tarnui::kMbIconExclamation);
}
