# A group whose address range runs backwards fails the check when edit mode is left: the
# message is shown and edit mode stays on; nothing is written.
cp "$DEMO/blinky.map" "$CASE_DIR/invalid-address.tms" .
sed 's/^address = 0000C000$/address = 0000C000-0000BFFF/' "$CASE_DIR/ws.tarnws" > ws.tarnws
cp ws.tarnws before.tarnws
"$TARNMAP" script invalid-address.tms
cmp before.tarnws ws.tarnws && echo "workspace unchanged"
