# Each of the host's five memory resource events makes the component read the memory map again:
# the device's areas come and go, and "Memory Resource Auto Allocate" follows them.
sed 's/\[S|MAP|"[^"]*"\]/[S|MAP|""]/' "$CASE_DIR/maps.tarnws" > "$WORK/maps.tarnws"
cp "$CASE_DIR/memory-events.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script memory-events.tms
