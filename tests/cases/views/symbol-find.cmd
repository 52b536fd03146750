"$TARNMAP" script "$CASE_DIR/symbol-find.tms"
