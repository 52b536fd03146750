# The three section edit dialogs: each refusal with its message, then what OK adds or changes.
cp "$DEMO/blinky.map" "$CASE_DIR/ws.tarnws" "$CASE_DIR/dialogs.tms" .
"$TARNMAP" script dialogs.tms
