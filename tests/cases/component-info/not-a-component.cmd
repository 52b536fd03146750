# A library without the five entry points is refused with every missing name; wrong
# command lines are bad arguments.
"$TARNMAP" component-info --library "$(dirname "$TARNMAP")/libTarnMapExtRes.so" 2>&1 |
    sed "s|$(dirname "$TARNMAP")|BIN|g"
echo "[exit ${PIPESTATUS[0]}]"
"$TARNMAP" component-info --library; echo "[exit $?]"
"$TARNMAP" component-info extra; echo "[exit $?]"
"$TARNMAP" 2>&1 | sed -n 1p; echo "[exit ${PIPESTATUS[0]}]"
