cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/font-colours.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script font-colours.tms
cat "$TARNMAP_CONFIG_DIR/options.ini"
