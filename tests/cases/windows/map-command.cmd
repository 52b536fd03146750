cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/map-command.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script map-command.tms
