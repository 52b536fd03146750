# The same diff as csv (the operator's name quoted) and as json.
"$TARNMAP" diff "$DATA/builds/old.tarnws" "$DATA/builds/new.tarnws" --format csv | tr -d '\r'
"$TARNMAP" diff "$DATA/builds/old.map" "$DATA/builds/new.map" --format json | tail -4
