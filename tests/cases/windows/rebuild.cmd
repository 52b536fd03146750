# The workspace starts without a listing; the script's "listing" steps write it as builds do.
cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/rebuild.tms" "$CASE_DIR/rebuilt.map" "$DATA/listings/small.map" "$WORK/"
"$TARNMAP" script rebuild.tms
