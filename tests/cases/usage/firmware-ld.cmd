# The example firmware's regions against the table GNU ld printed when it linked the committed
# build (examples/firmware/firmware.memory-usage, written by build.sh). The sizes agree; the
# used bytes differ where the linker script places by address rather than by region, which
# ld's figure (its fill level of the sections assigned to the region) leaves out:
# - RAM: tarnmap 28 bytes more, the overlay window at 20004000 (OVERLAY 0x20004000, no "> RAM");
# - FLASH: tarnmap 4 bytes less, the load image of .data ("> RAM AT > FLASH") that ld counts in
#   FLASH; usage measures each section at its run address only.
"$TARNMAP" usage --map "$DEMO/../firmware/firmware.map" --format json >usage.json
"$CASE_DIR/compare-with-ld" "$DEMO/../firmware/firmware.memory-usage" usage.json
