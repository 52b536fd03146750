# The example firmware's regions against the table GNU ld printed when it linked the committed
# build (examples/firmware/firmware.memory-usage, written by build.sh). The sizes agree, and
# FLASH counts the load image of .data ("> RAM AT > FLASH") as ld does. The used bytes differ
# by the overlays, which the linker script places by address ("OVERLAY 0x20004000 :
# AT (0x08010000)", no region) and ld's figure (its fill level of the sections assigned to the
# region) leaves out:
# - RAM: tarnmap 28 bytes more, the overlay window at 20004000;
# - FLASH: tarnmap 40 bytes more, the overlays' load images at 08010000 (0xc + 0x1c).
"$TARNMAP" usage --map "$DEMO/../firmware/firmware.map" --format json >usage.json
"$CASE_DIR/compare-with-ld" "$DEMO/../firmware/firmware.memory-usage" usage.json
