# The demo's section placement groups as the section setting tree prints them.
"$TARNMAP" print section-settings --workspace "$DEMO/demo.tarnws"
# The tree takes no view options.
"$TARNMAP" print section-settings --workspace "$DEMO/demo.tarnws" --show-gaps
