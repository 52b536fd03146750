# The demo's memory areas and resources.
"$TARNMAP" export memory --workspace "$DEMO/demo.tarnws"
