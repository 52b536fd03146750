cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/edits-pending.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script edits-pending.tms
