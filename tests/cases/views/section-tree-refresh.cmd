"$TARNMAP" script "$CASE_DIR/section-tree-refresh.tms"
