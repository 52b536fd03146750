cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/edit-mode-lock.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script edit-mode-lock.tms
