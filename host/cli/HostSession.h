// Opens the substitute host on a workspace file, or on a bare map listing.
#pragma once

#include <memory>
#include <string>

#include "host/lib/SubstituteHost.h"

namespace tarncli {

// The directory of the running program, where the component's libraries lie beside it.
std::string InstallDir();

// A host with this program's install directory and the user's host-wide placeholders; an
// in-memory workspace may come later. Null with error set when the placeholders cannot be read.
std::unique_ptr<tarnhost::SubstituteHost> MakeHost(std::unique_ptr<tarnhost::Workspace> workspace,
                                                   std::string* error);

std::unique_ptr<tarnhost::SubstituteHost> OpenWorkspaceHost(const std::string& workspaceFile,
                                                            std::string* error);
// A host whose in-memory workspace names the listing as its map listing (and elfFile, when
// not empty, as the linked ELF file).
std::unique_ptr<tarnhost::SubstituteHost> OpenListingHost(const std::string& listingFile,
                                                          std::string* error,
                                                          const std::string& elfFile = {});

}  // namespace tarncli
