# An unknown column name is a bad argument.
"$TARNMAP" export sections --workspace "$DEMO/demo.tarnws" --sort x
