# The example firmware's GNU ld map: its memory regions FLASH and RAM by name, from the map
# file alone and through its workspace; the two overlays share 20004000 and count once in RAM,
# while FLASH holds their load images one after the other (08010000, 0801000c) and that of
# .data (08000148) beside the code. The lld map names no regions: without a workspace every
# section is outside.
"$TARNMAP" usage --map "$DEMO/../firmware/firmware.map"
"$TARNMAP" usage --workspace "$DEMO/../firmware/firmware.tarnws"
"$TARNMAP" usage --map "$DEMO/../firmware/firmware-lld.map"
