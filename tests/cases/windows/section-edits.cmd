cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/section-edits.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script section-edits.tms
grep -A1 '^\[group\]' maps.tarnws
