// Where the host keeps per-user files: $TARNMAP_CONFIG_DIR, else $XDG_CONFIG_HOME/tarnmap,
// else ~/.config/tarnmap.
#pragma once

#include <string>

namespace tarnhost {

std::string UserConfigDir();
// The host-wide custom placeholders file in the user configuration directory.
std::string HostPlaceholdersPath();
// Where the host keeps files it can make again (converted map listings): $TARNMAP_CACHE_DIR,
// else $XDG_CACHE_HOME/tarnmap, else ~/.cache/tarnmap.
std::string UserCacheDir();

}  // namespace tarnhost
