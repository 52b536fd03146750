// Template entries of the report list and tree kinds get the real controls: the makers are
// registered when the platform library is loaded.
#include <memory>

#include "platform/controls/ControlFactory.h"
#include "platform/controls/ListControl.h"
#include "platform/controls/TreeControl.h"

namespace tarnui {
namespace {

const bool registered = [] {
    RegisterControlMaker(ControlKind::ReportList, [] { return std::make_unique<ListControl>(); });
    RegisterControlMaker(ControlKind::Tree, [] { return std::make_unique<TreeControl>(); });
    return true;
}();

}  // namespace
}  // namespace tarnui
