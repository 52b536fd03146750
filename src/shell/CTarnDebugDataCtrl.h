// The component object of a component that follows the host's debugger: it keeps the host's
// debugger services (the CDebugInterfaces mix-in) from initialise to terminate. This host
// offers no debugger services, so the pointers stay null and the debugger events only reach
// the views' hooks.
#pragma once

#include "src/shell/CTarnDataCtrl.h"
#include "src/shell/framework/CDebugInterfaces.h"

class CTarnDebugDataCtrl : public CTarnDataCtrl, public CDebugInterfaces {
public:
    CTarnDebugDataCtrl() = default;
    ~CTarnDebugDataCtrl() override = default;
};
