cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/workspace-empty.tms" "$WORK/"
"$TARNMAP" script workspace-empty.tms
cat maps.tarnws.data
