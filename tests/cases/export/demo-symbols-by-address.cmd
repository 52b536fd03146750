# Every symbol of the demo, sorted by address.
"$TARNMAP" export symbols --workspace "$DEMO/demo.tarnws" --sort 1
