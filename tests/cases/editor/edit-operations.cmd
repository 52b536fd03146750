# Cut, copy, paste, delete, move, change primary and drag in the tree, each with the nodes it
# leaves and the commands it enables.
cp "$DEMO/blinky.map" "$CASE_DIR/ws.tarnws" "$CASE_DIR/edit-operations.tms" .
"$TARNMAP" script edit-operations.tms
