"$TARNMAP" script "$CASE_DIR/filter-dialog.tms"
