# The symbols of one section, by name in descending order, byte by byte (_uart_tx3 before
# _uart_tx10); the first rows and the count of all.
"$TARNMAP" export symbols --workspace "$DEMO/demo.tarnws" --section C --sort 0:desc | sed -n '1,14p; $='
