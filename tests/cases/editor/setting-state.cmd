# Settings taken from a subcommand file: no groups, no edit mode.
cp "$DEMO/blinky.map" "$CASE_DIR/setting-state.tms" .
sed 's/^setting-state = 0/setting-state = 1/' "$CASE_DIR/ws.tarnws" > ws.tarnws
"$TARNMAP" script setting-state.tms
