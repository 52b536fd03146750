"$TARNMAP" script "$CASE_DIR/symbol-list-dialogs.tms"
