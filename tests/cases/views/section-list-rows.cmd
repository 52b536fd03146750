"$TARNMAP" script "$CASE_DIR/section-list-rows.tms"
