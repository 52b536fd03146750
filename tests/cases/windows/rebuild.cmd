cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/rebuild.tms" "$CASE_DIR/rebuilt.map" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script rebuild.tms
