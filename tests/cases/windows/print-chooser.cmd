cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/print-chooser.tms" "$CASE_DIR/rebuilt.map" "$WORK/"
"$TARNMAP" script print-chooser.tms
