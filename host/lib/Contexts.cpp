#include "host/lib/Contexts.h"

#include "platform/text/Utf.h"

namespace tarnhost {

Contexts Contexts::Of(const Workspace& workspace) {
    using tarnui::Utf8ToUtf16;
    return {Utf8ToUtf16(workspace.WorkspaceName()), Utf8ToUtf16(workspace.ProjectName()),
            Utf8ToUtf16(workspace.ConfigName()), Utf8ToUtf16(workspace.DeviceName())};
}

}  // namespace tarnhost
