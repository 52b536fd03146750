# Every message of the command line starts with "tarnmap:" and says why a file failed.
"$TARNMAP" export sections --workspace "$WORK"
"$TARNMAP" export sections --workspace missing.tarnws
"$TARNMAP"
"$TARNMAP" frobnicate
"$TARNMAP" component-info extra
mkdir copy
cp "$(dirname "$TARNMAP")/libTarnMap.so" copy/
"$TARNMAP" component-info --library copy/libTarnMap.so 2>&1 >/dev/null | sed 's|/[^ ]*/copy/|COPY/|'
true
