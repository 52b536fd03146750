#include "host/cli/Cli.h"

#include <ostream>

#include "host/cli/AllocateCommand.h"
#include "host/cli/ComponentInfoCommand.h"
#include "host/cli/DiffCommand.h"
#include "host/cli/ExportCommand.h"
#include "host/cli/InitCommand.h"
#include "host/cli/SourceLineCommand.h"
#include "host/cli/UsageCommand.h"
#include "host/cli/session/PrintViewCommand.h"
#include "host/cli/session/ScriptRunner.h"

namespace tarncli {
namespace {

using CommandFunction = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct Command {
    const char* name;
    const char* usage;
    CommandFunction run;
};

constexpr Command kCommands[] = {
    {"export",
     "export sections|symbols|groups|memory (--map FILE [--elf FILE] | --workspace FILE)\n"
     "         [--sort COLUMN[:asc|:desc]] [--section NAME] [--format tsv|csv|json]\n"
     "    --map takes the component's listing or a GNU ld or lld map file\n"
     "    sections: name start end size overlay (gaps as \"Unallocated Area\"); columns 0-4\n"
     "    symbols:  name address size attribute scope section file; columns 0-7\n"
     "    groups:   the section placement groups of the workspace\n"
     "    memory:   the memory areas and resources of the workspace\n",
     &RunExport},
    {"usage",
     "usage (--map FILE [--elf FILE] | --workspace FILE) [--format tsv|csv|json]\n"
     "    each memory area's (a GNU ld map's regions') size, used and free bytes, largest\n"
     "    free gap; then the sections outside every area\n",
     &RunUsage},
    {"diff",
     "diff OLD NEW [--format tsv|csv|json]\n"
     "    sections and symbols whose size changed between two builds (listings or .tarnws),\n"
     "    then the bytes per memory area\n",
     &RunDiff},
    {"print",
     "print section-list|symbol-list|section-tree|section-settings\n"
     "         (--map FILE | --workspace FILE)\n"
     "         [--click COLUMN]... [--show-gaps] [--show-zero-size] [--section NAME]\n"
     "         [--filter attribute=WORDS|scope=WORDS|section=NAME|file=NAME]...\n"
     "    the view's print text after the options, taken in order as a person's actions\n",
     &session::RunPrintView},
    {"script",
     "script FILE\n"
     "    runs the steps of FILE as a person's session and prints what was seen (docs/script.md)\n",
     &session::RunScript},
    {"allocate",
     "allocate --workspace FILE\n"
     "    adds the build's used address ranges as memory resources, prints the memory map\n",
     &RunAllocate},
    {"init",
     "init --map FILE [--elf FILE] [--workspace OUT]\n"
     "    writes a workspace from a GNU ld or lld map file: its memory regions as memory\n"
     "    areas, its output sections as placement groups (OUT: beside the map, .tarnws)\n",
     &RunInit},
    {"source-line",
     "source-line (--map FILE [--elf FILE] | --workspace FILE) ADDRESS...\n"
     "    the source file and line of each address, from the ELF file's line table\n",
     &RunSourceLine},
    {"component-info",
     "component-info [--library PATH]\n"
     "    loads the Map component and shows its name, version and start-up\n",
     &ComponentInfoCommand},
};

void PrintUsage(std::ostream& stream) {
    stream << "usage: tarnmap <command> [arguments]\n";
    for (const Command& command : kCommands) {
        stream << "  tarnmap " << command.usage;
    }
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "tarnmap: no command given (tarnmap --help lists them)\n";
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(out);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (args.front() == command.name) {
            return command.run({args.begin() + 1, args.end()}, out, err);
        }
    }
    err << "tarnmap: unknown command \"" << args.front() << "\" (tarnmap --help lists them)\n";
    return 2;
}

}  // namespace tarncli
