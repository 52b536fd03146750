# Every export says the same in tsv, csv and json (json parsed back, csv read as RFC 4180).
check() { python3 "$CASE_DIR/same-in-every-format.py" "$TARNMAP" "$@"; }
check export sections --workspace "$DEMO/demo.tarnws"
check export symbols --workspace "$DEMO/demo.tarnws" --sort 3:desc
check export groups --workspace "$DEMO/demo.tarnws"
check export memory --workspace "$DEMO/demo.tarnws"
# a name with a comma and a blank, which csv must quote
check export symbols --map "$DATA/builds/new.map"
check usage --workspace "$DATA/builds/new.tarnws"
check diff "$DATA/builds/old.tarnws" "$DATA/builds/new.tarnws"
