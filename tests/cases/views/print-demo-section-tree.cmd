"$TARNMAP" print section-tree --workspace "$DEMO/demo.tarnws"
