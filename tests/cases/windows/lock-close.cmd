cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/lock-close.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script lock-close.tms
