// Opens the substitute host on a workspace file, or on a bare map listing.
#pragma once

#include <memory>
#include <string>

#include "host/lib/SubstituteHost.h"

namespace tarncli {

// The directory of the running program, where the component's libraries lie beside it.
std::string InstallDir();

std::unique_ptr<tarnhost::SubstituteHost> OpenWorkspaceHost(const std::string& workspaceFile,
                                                            std::string* error);
// A host whose in-memory workspace names the listing as its map listing (and elfFile, when
// not empty, as the linked ELF file).
std::unique_ptr<tarnhost::SubstituteHost> OpenListingHost(const std::string& listingFile,
                                                          std::string* error,
                                                          const std::string& elfFile = {});

}  // namespace tarncli
