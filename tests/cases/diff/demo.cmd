# The demo against itself changes nothing; against the new firmware build everything differs.
"$TARNMAP" diff "$DEMO/demo.tarnws" "$DEMO/demo.tarnws"
"$TARNMAP" diff "$DEMO/demo.tarnws" "$DATA/builds/new.tarnws" | head -8
