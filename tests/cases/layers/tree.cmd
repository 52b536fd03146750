# The source tree keeps to the include graph (the table beside this case).
"$CASE_DIR/check-includes" "$CASE_DIR/../../.." && echo "every include within the graph"
