# Without address ranges or lists, a new group may not start where another one does; a group
# keeps its own address when edited.
cp "$DEMO/blinky.map" "$CASE_DIR/duplicate-address.tms" .
sed 's/^capabilities = 0x3F/capabilities = 0x0F/' "$CASE_DIR/ws.tarnws" > ws.tarnws
"$TARNMAP" script duplicate-address.tms
