// "Select Print": the person picks which open view to print from the captions offered.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialogs/Dialog.h"

class CDlgSelectPrint : public tarnui::Dialog {
public:
    explicit CDlgSelectPrint(tarnui::Window* parent = nullptr);

    // Filled by the caller before DoModal.
    std::vector<std::string> captions;
    int32_t selectedIndex = 0;
    // Set by OK: the caption at the index chosen (empty when nothing was chosen).
    std::string selectedCaption;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
};
