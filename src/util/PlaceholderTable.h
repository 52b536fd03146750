// The table of known placeholder names. Each placeholder has an index, a long name and a
// two-letter short name; both name lists start and end with "ERROR" entries, which stand for
// names that are never resolved.
#pragma once

#include <string>
#include <string_view>

namespace placeholder {

enum Index : int {
    kFullFile = 1,
    kFileName,
    kFileLeaf,
    kFileDir,
    kExtension,
    kBraeDir,
    kTempDir,
    kWorkspDir,
    kWorkspName,
    kProjDir,
    kProjectName,
    kConfigName,
    kConfigDir,
    kTcInstall,
    kExeDir,
    kExeName,
    kWinDir,
    kWinSysDir,
    kLine,
    kToolDir,
    kBraeHwnd,
    kBraeId,
    kTime,
    kDateText,
    kDateDmy,
    kDateMdy,
    kDateYmd,
    kUser,
    kCursor,
    kPageNo,
    kLeft,
    kCentre,
    kRight,
    kUserInput,
    kDeviceDetails,
};

inline constexpr int kFirstIndex = kFullFile;
inline constexpr int kLastIndex = kDeviceDetails;

struct TableMatch {
    enum Kind { kUnknown, kError, kEntry };
    Kind kind = kUnknown;
    int index = 0;  // kFirstIndex to kLastIndex for kEntry
};

// Looks a name up among the long names, then among the short names; the first matching entry
// wins. An entry ending in "***" matches every name that begins with the text before the
// asterisks, ignoring case; every other entry matches only the exact name.
TableMatch LookUp(std::string_view name);

// The names of an index as the table holds them (a prefix entry with its "***").
std::string_view LongName(int index);
std::string_view ShortName(int index);

// "$(" + long name + ")": what a placeholder yields when it stands for itself.
std::string LongForm(int index);

}  // namespace placeholder
