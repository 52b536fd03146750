"$TARNMAP" script "$CASE_DIR/script-error.tms"
