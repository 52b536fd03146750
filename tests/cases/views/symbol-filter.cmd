"$TARNMAP" script "$CASE_DIR/symbol-filter.tms"
