#include "host/cli/AllocateCommand.h"

#include <ostream>

#include "host/cli/ExportCommand.h"
#include "host/cli/HostSession.h"
#include "src/data/CTarnMapDataManager.h"

namespace tarncli {

int RunAllocate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || args[0] != "--workspace") {
        err << "tarnmap: allocate takes --workspace FILE\n";
        return 2;
    }
    std::string error;
    auto host = OpenWorkspaceHost(args[1], &error);
    if (host == nullptr) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    CTarnMapDataManager data(host->Host());
    GiveContext(*host, data);
    if (!LoadLinkMap(*host, data, &error)) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    data.LoadMemoryMap();
    if (data.GetMemoryAreaCount() == 0) {
        err << "tarnmap: the workspace's memory resource description has no memory area\n";
        return 1;
    }
    data.AutoAllocate();
    if (!host->MemoryResources()->LastError().empty()) {
        err << "tarnmap: the memory resources could not be written: "
            << host->MemoryResources()->LastError() << "\n";
        return 1;
    }
    data.LoadMemoryMap();
    WriteMemory(*data.MemoryMap(), out);
    return out.flush() ? 0 : 1;
}

}  // namespace tarncli
