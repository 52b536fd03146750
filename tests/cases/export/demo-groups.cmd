# The demo's section placement groups, one row per address.
"$TARNMAP" export groups --workspace "$DEMO/demo.tarnws"
