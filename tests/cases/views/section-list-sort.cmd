"$TARNMAP" script "$CASE_DIR/section-list-sort.tms"
