# Cut, copy, paste, delete, move, change primary and drag in the tree, each with the item it
# leaves selected and the commands it enables; the whole tree midway and at the end.
cp "$DEMO/blinky.map" "$CASE_DIR/ws.tarnws" "$CASE_DIR/edit-operations.tms" .
"$TARNMAP" script edit-operations.tms
