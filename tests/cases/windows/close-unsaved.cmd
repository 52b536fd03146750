cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/close-unsaved.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script close-unsaved.tms
grep -A1 '^\[group\]' maps.tarnws
