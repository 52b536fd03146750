# Header clicks in order: Size twice is descending; gaps and sections of size zero shown.
"$TARNMAP" print section-list --map "$DEMO/blinky.map" --click 3 --click 3 --show-gaps --show-zero-size
# The section the tree chose, then two filters, each through the filter dialog.
"$TARNMAP" print symbol-list --workspace "$DEMO/demo.tarnws" --section C --filter attribute=Data --filter file=main
"$TARNMAP" print symbol-list --workspace "$DEMO/demo.tarnws" --filter scope=Global --filter section=OV2
# Bad options and values: one line, exit 2.
"$TARNMAP" print section-tree --workspace "$DEMO/demo.tarnws" --click 1 || echo "[exit $?]"
"$TARNMAP" print symbol-list --workspace "$DEMO/demo.tarnws" --filter attribute=Function,Code || echo "[exit $?]"
"$TARNMAP" print symbol-list --workspace "$DEMO/demo.tarnws" --section NOSUCH || echo "[exit $?]"
"$TARNMAP" print section-list --workspace "$DEMO/demo.tarnws" --click 9 || echo "[exit $?]"
"$TARNMAP" print section-list --workspace "$DEMO/demo.tarnws" --map "$DEMO/blinky.map" || echo "[exit $?]"
