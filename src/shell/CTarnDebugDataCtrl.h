// The component object of a component that follows the host's debugger: it takes the host's
// debugger services when started (FillDebugInterfaces) and gives them back at the end.
#pragma once

#include "src/shell/CTarnDataCtrl.h"

class CTarnDebugDataCtrl : public CTarnDataCtrl {
public:
    CTarnDebugDataCtrl() = default;
    ~CTarnDebugDataCtrl() override = default;
};
