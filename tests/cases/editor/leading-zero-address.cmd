# Add Section Group opens with "0" in the address box: an address typed over it that starts
# with "0" keeps its digits in order.
cp "$DEMO/blinky.map" "$CASE_DIR/ws.tarnws" "$CASE_DIR/leading-zero-address.tms" .
"$TARNMAP" script leading-zero-address.tms
