"$TARNMAP" script "$CASE_DIR/section-list-gaps.tms"
