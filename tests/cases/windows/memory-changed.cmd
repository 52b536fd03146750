# The workspace starts with a device that has no memory areas yet.
sed 's/\[S|MAP|"[^"]*"\]/[S|MAP|""]/' "$CASE_DIR/maps.tarnws" > "$WORK/maps.tarnws"
cp "$CASE_DIR/memory-changed.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script memory-changed.tms
grep '^description' maps.tarnws
