# The symbols of one section, by name in descending order.
"$TARNMAP" export symbols --workspace "$DEMO/demo.tarnws" --section C --sort 0:desc
