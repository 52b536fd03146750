cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/lock-close.tms" "$WORK/"
cp "$CASE_DIR/maps.tarnws" before.tarnws
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script lock-close.tms
cmp before.tarnws maps.tarnws && echo "workspace unchanged"
