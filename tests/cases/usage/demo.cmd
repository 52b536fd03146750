# How full the demo device's memory areas are; the overlays (OVL_B in OVL_A, OV2 and OV3 in
# OV1) and the empty C_INIT count once or not at all.
"$TARNMAP" usage --workspace "$DEMO/demo.tarnws"
