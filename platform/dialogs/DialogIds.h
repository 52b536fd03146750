// The identifiers of the standard buttons, which are also the answers of message boxes and
// the end codes of dialogs.
#pragma once

namespace tarnui {

enum StandardButton : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
    IDHELP = 9,
};

}  // namespace tarnui
