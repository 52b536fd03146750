# Choosing from the tree's menu during a build: opening the menu updates every item, so edit
# mode is set aside and the edit commands are off until the build ends.
cp "$DEMO/blinky.map" "$CASE_DIR/ws.tarnws" "$CASE_DIR/menu-during-build.tms" .
"$TARNMAP" script menu-during-build.tms
