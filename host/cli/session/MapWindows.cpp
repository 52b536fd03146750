#include "host/cli/session/MapWindows.h"

#include "host/cli/session/MapSession.h"
#include "host/cli/session/MapViewNames.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"

namespace tarncli::session {

bool OpenMapWindow(MapSession& session, const std::string& viewName, std::string* error) {
    const MapViewName* name = FindMapViewName(viewName);
    if (name == nullptr) {
        *error = "no view \"" + viewName + "\"; choose " + MapViewNameList();
        return false;
    }
    if (session.FindView(viewName) != nullptr) {
        *error = "the window of " + viewName + " is open already";
        return false;
    }
    const int type = name->kind == kViewSectionSettingTree || name->kind == kViewSectionList
                         ? kWindowSectionInformation
                         : kWindowSymbolInformation;
    if (!session.Sink().OpenByType(type)) {
        *error = "the window of " + viewName + " could not be made";
        return false;
    }
    return true;
}

}  // namespace tarncli::session
