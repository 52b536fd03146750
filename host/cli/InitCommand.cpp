#include "host/cli/InitCommand.h"

#include <cctype>
#include <filesystem>
#include <ostream>

#include "host/lib/ListingAdapter.h"
#include "host/lib/MapWorkspace.h"
#include "host/lib/WorkspaceFile.h"

namespace tarncli {
namespace {

namespace fs = std::filesystem;

struct InitArguments {
    std::string map;
    std::string elf;
    std::string workspace;
};

bool ParseInit(const std::vector<std::string>& args, InitArguments* parsed, std::string* error) {
    for (size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            *error = "option " + args[i] + " needs a value";
            return false;
        }
        const std::string& value = args[i + 1];
        if (args[i] == "--map") {
            parsed->map = value;
        } else if (args[i] == "--elf") {
            parsed->elf = value;
        } else if (args[i] == "--workspace") {
            parsed->workspace = value;
        } else {
            *error = "unknown option " + args[i];
            return false;
        }
    }
    if (parsed->map.empty()) {
        *error = "init takes --map FILE [--elf FILE] [--workspace OUT]";
        return false;
    }
    return true;
}

// A path as the workspace names it: relative to the workspace's directory when it can be.
std::string PathFrom(const fs::path& dir, const std::string& path) {
    std::error_code ec;
    const fs::path relative = fs::relative(fs::absolute(path, ec), dir, ec);
    return ec || relative.empty() ? fs::absolute(path, ec).string() : relative.string();
}

// Letters, digits and "_-." of the map's stem; the name of workspace, project and device.
std::string NameOf(const std::string& mapPath) {
    std::string name;
    for (char c : fs::path(mapPath).stem().string()) {
        name += std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.'
                    ? c
                    : '_';
    }
    return name.empty() ? "program" : name;
}

}  // namespace

int RunInit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    InitArguments parsed;
    std::string error;
    if (!ParseInit(args, &parsed, &error)) {
        err << "tarnmap: " << error << "\n";
        return 2;
    }
    std::string text;
    if (!tarnhost::ReadTextFile(parsed.map, &text, &error)) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    const tarnhost::MapFormat format = tarnhost::DetectMapFormat(text);
    if (format != tarnhost::MapFormat::kGnuLd && format != tarnhost::MapFormat::kLld) {
        err << "tarnmap: " << parsed.map << ": not a GNU ld or lld map file\n";
        return 1;
    }
    if (parsed.elf.empty()) {
        parsed.elf = tarnhost::FindElfBeside(parsed.map);
    }
    tarnhost::ElfImage elf;
    if (!parsed.elf.empty() && !tarnhost::ReadElfImage(parsed.elf, &elf, &error)) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    if (parsed.workspace.empty()) {
        parsed.workspace = fs::path(parsed.map).replace_extension(".tarnws").string();
    }
    std::error_code ec;
    if (fs::exists(parsed.workspace, ec)) {
        err << "tarnmap: " << parsed.workspace << ": already exists; it is left as it is\n";
        return 1;
    }
    const auto program =
        tarnhost::ReadLinkedProgram(text, format, parsed.elf.empty() ? nullptr : &elf);
    const fs::path dir = fs::absolute(parsed.workspace, ec).parent_path();
    tarnhost::MapWorkspaceSource source;
    source.mapPath = PathFrom(dir, parsed.map);
    source.elfPath = parsed.elf.empty() ? std::string() : PathFrom(dir, parsed.elf);
    source.name = NameOf(parsed.map);
    source.program = &program;
    source.elf = parsed.elf.empty() ? nullptr : &elf;
    if (!tarnhost::WriteFileAtomically(parsed.workspace, tarnhost::MapWorkspaceText(source),
                                       &error)) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    out << "wrote " << parsed.workspace << "\n";
    return 0;
}

}  // namespace tarncli
