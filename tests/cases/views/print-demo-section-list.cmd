"$TARNMAP" print section-list --workspace "$DEMO/demo.tarnws"
