"$TARNMAP" script "$CASE_DIR/section-list-wrap.tms"
