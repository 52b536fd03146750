#include "host/cli/Cli.h"

#include <ostream>

#include "host/cli/AllocateCommand.h"
#include "host/cli/ExportCommand.h"

namespace tarncli {
namespace {

constexpr const char* kUsage =
    "usage: tarnmap export sections|symbols|groups|memory (--map FILE | --workspace FILE)\n"
    "                      [--sort COLUMN[:desc]] [--section NAME]\n"
    "  sections  name start end size overlay (gaps as \"Unallocated Area\"); columns 0-4\n"
    "  symbols   name address size attribute scope section file; columns 0-7\n"
    "  groups    the section placement groups of the workspace\n"
    "  memory    the memory areas and resources of the workspace\n"
    "       tarnmap allocate --workspace FILE\n"
    "  adds the build's used address ranges as memory resources and prints the memory map\n";

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "export") {
        return RunExport({args.begin() + 1, args.end()}, out, err);
    }
    if (args[0] == "allocate") {
        return RunAllocate({args.begin() + 1, args.end()}, out, err);
    }
    err << "tarnmap: unknown command \"" << args[0] << "\"\n" << kUsage;
    return 2;
}

}  // namespace tarncli
