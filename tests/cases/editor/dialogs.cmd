# The three section edit dialogs: each refusal with its message, then what OK adds or changes
# (the item selected after each, and the whole tree at the end).
cp "$DEMO/blinky.map" "$CASE_DIR/ws.tarnws" "$CASE_DIR/dialogs.tms" .
"$TARNMAP" script dialogs.tms
