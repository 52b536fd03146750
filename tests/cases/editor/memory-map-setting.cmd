# "Memory Map Setting..." asks the host to show the memory map settings of the workspace's
# device; a workspace without a device has none to show, and the command is off.
cp "$DEMO/blinky.map" "$CASE_DIR/ws.tarnws" "$CASE_DIR/memory-map-setting.tms" .
sed '/^\[device\]/,/^name/d' ws.tarnws > no-device.tarnws
"$TARNMAP" script memory-map-setting.tms
