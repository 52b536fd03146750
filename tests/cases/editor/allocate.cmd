# Memory Resource Auto Allocate from the tree: Cancel changes nothing, OK adds the resources.
cp "$DEMO/blinky.map" "$CASE_DIR/ws.tarnws" "$CASE_DIR/allocate.tms" .
"$TARNMAP" script allocate.tms
grep '^description' ws.tarnws
