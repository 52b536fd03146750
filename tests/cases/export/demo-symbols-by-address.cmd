# Every symbol of the demo, sorted by address; shown are the rows where sections meet and where
# symbols share an address (the listing's order among them), each at its line in the full list.
"$TARNMAP" export symbols --workspace "$DEMO/demo.tarnws" --sort 1 |
    sed -n '1,10p; 179,188p; 268,272p; 287,288p; $='
