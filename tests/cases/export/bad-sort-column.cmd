# A sort column outside the list's columns, or a direction other than asc or desc, is a bad
# argument: one line naming the valid range, exit 2.
"$TARNMAP" export sections --workspace "$DEMO/demo.tarnws" --sort x; echo "exit $?"
"$TARNMAP" export sections --workspace "$DEMO/demo.tarnws" --sort 5; echo "exit $?"
"$TARNMAP" export symbols --workspace "$DEMO/demo.tarnws" --sort 8:desc; echo "exit $?"
"$TARNMAP" export symbols --workspace "$DEMO/demo.tarnws" --sort -1; echo "exit $?"
"$TARNMAP" export symbols --workspace "$DEMO/demo.tarnws" --sort 7:up; echo "exit $?"
"$TARNMAP" export symbols --workspace "$DEMO/demo.tarnws" --section P --sort 7:asc | head -2
