# The example firmware's map and ELF file (sources are named relative to the ELF file).
cp "$DEMO/../firmware/firmware.map" "$DEMO/../firmware/firmware.elf" "$CASE_DIR/view-source.tms" .
"$TARNMAP" script view-source.tms
