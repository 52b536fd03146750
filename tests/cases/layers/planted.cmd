# The check finds every kind of wrong edge in a small planted tree.
plant() {  # file, includes...
    mkdir -p "$(dirname "$1")"
    local file=$1
    shift
    printf '#include %s\n' "$@" >"$file"
}
plant platform/text/Utf.h '<string>' '"platform/text/Other.h"' '"src/data/LinkMapRows.h"'
plant src/data/Reader.cpp '"src/data/Reader.h"' '"src/shell/HostIds.h"' '"src/views/ListView.h"'
plant src/util/Expand.cpp '"src/shell/CTarnMapApp.h"' '"src/editor/Syntax.h"'
plant src/views/View.cpp '"src/data/Reader.h"' '"host/lib/Workspace.h"' '"gui/Main.h"'
plant src/views/Local.h '"platform/text/Utf.h"'
plant src/views/Relative.cpp '"Local.h"' '"../../host/lib/Workspace.h"'
plant host/lib/Workspace.h '<string>'
plant host/lib/Loader.cpp '"src/shell/HostInterfaces.h"' '"src/data/Reader.h"'
plant host/cli/Export.cpp '"src/data/Reader.h"' '"host/lib/Loader.h"' '"src/views/View.h"'
plant host/cli/session/Print.cpp '"src/views/View.h"' '"host/lib/Loader.h"'
plant gui/Main.cpp '"host/lib/Loader.h"' '"src/shell/HostTypes.h"' '"src/data/Reader.h"'
plant host/other/Tool.cpp '<vector>'
"$CASE_DIR/check-includes" "$WORK"
