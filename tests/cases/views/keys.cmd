"$TARNMAP" script "$CASE_DIR/keys.tms"
