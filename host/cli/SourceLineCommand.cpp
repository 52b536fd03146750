#include "host/cli/SourceLineCommand.h"

#include <ostream>

#include "host/cli/HostSession.h"
#include "host/cli/TextFields.h"
#include "host/lib/ValueConversion.h"
#include "host/lib/WorkspaceElf.h"
#include "platform/text/Utf.h"

namespace tarncli {

int RunSourceLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string map, elf, workspace;
    std::vector<uint32_t> addresses;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool option = args[i] == "--map" || args[i] == "--elf" || args[i] == "--workspace";
        if (option && i + 1 < args.size()) {
            std::string& target = args[i] == "--map" ? map : args[i] == "--elf" ? elf : workspace;
            target = args[++i];
            continue;
        }
        uint32_t address = 0;
        if (option || tarnhost::ParseNumber(tarnui::Utf8ToUtf16(args[i]), 16, &address) !=
                          kStatusOk) {
            err << "tarnmap: source-line takes (--map FILE [--elf FILE] | --workspace FILE) "
                   "ADDRESS..., not \""
                << args[i] << "\"\n";
            return 2;
        }
        addresses.push_back(address);
    }
    if (map.empty() == workspace.empty() || (!elf.empty() && map.empty())) {
        err << "tarnmap: give exactly one of --map FILE [--elf FILE] or --workspace FILE\n";
        return 2;
    }
    std::string error;
    auto host = map.empty() ? OpenWorkspaceHost(workspace, &error)
                            : OpenListingHost(map, &error, elf);
    if (host == nullptr) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    if (tarnhost::LinkedElfPath(*host->OpenWorkspace()).empty()) {
        err << "tarnmap: no linked ELF file: give --elf FILE or [linker] elf\n";
        return 1;
    }
    out << Row({"address", "source"});
    for (uint32_t address : addresses) {
        const auto source = tarnhost::DebugSourceOf(*host->OpenWorkspace(), address);
        out << Row({HexField(address),
                    source ? EscapeField(source->file + ":" + std::to_string(source->line))
                           : std::string("?")});
    }
    return out.flush() ? 0 : 1;
}

}  // namespace tarncli
