# Leaving edit mode with edits: Cancel keeps them, No drops them, Yes writes them to the
# workspace file (every other line kept), and a new session shows the same tree.
cp "$DEMO/blinky.map" "$CASE_DIR/ws.tarnws" "$CASE_DIR/leave-edit-mode.tms" .
"$TARNMAP" script leave-edit-mode.tms
diff "$CASE_DIR/ws.tarnws" ws.tarnws
