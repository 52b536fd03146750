"$TARNMAP" print symbol-list --workspace "$DEMO/demo.tarnws"
