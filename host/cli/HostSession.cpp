#include "host/cli/HostSession.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "host/lib/UserFiles.h"

namespace tarncli {

std::string InstallDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::unique_ptr<tarnhost::SubstituteHost> MakeHost(std::unique_ptr<tarnhost::Workspace> workspace,
                                                   std::string* error) {
    tarnhost::SubstituteHost::Options options;
    options.installDir = InstallDir();
    options.hostPlaceholders =
        tarnhost::ReadHostPlaceholders(tarnhost::HostPlaceholdersPath(), error);
    if (!error->empty()) {
        return nullptr;
    }
    return std::make_unique<tarnhost::SubstituteHost>(std::move(workspace), std::move(options));
}

std::unique_ptr<tarnhost::SubstituteHost> OpenWorkspaceHost(const std::string& workspaceFile,
                                                            std::string* error) {
    auto workspace = tarnhost::Workspace::Open(workspaceFile, error);
    if (workspace == nullptr) {
        return nullptr;
    }
    return MakeHost(std::move(workspace), error);
}

std::unique_ptr<tarnhost::SubstituteHost> OpenListingHost(const std::string& listingFile,
                                                          std::string* error,
                                                          const std::string& elfFile) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(listingFile, ec)) {
        *error = listingFile + ": no such map listing";
        return nullptr;
    }
    if (!std::ifstream(listingFile)) {
        *error = listingFile + ": cannot be read: " + std::strerror(errno);
        return nullptr;
    }
    if (!elfFile.empty() && !std::filesystem::is_regular_file(elfFile, ec)) {
        *error = elfFile + ": no such ELF file";
        return nullptr;
    }
    return MakeHost(tarnhost::Workspace::ForListing(listingFile, elfFile), error);
}

}  // namespace tarncli
