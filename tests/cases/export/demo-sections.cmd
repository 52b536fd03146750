# The demo's sections with their gaps, in the model's order.
"$TARNMAP" export sections --workspace "$DEMO/demo.tarnws"
