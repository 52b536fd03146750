# Hiding the section setting tree while the host builds keeps its edits in the tree: nothing is
# asked and nothing is written until the build is over.
cp "$DEMO/blinky.map" "$CASE_DIR/ws.tarnws" "$CASE_DIR/hide-during-build.tms" .
"$TARNMAP" script hide-during-build.tms
diff "$CASE_DIR/ws.tarnws" ws.tarnws && echo "workspace file unchanged"
