# The same diff as csv (the operator's name quoted, records ending in CRLF, shown as ^M) and as
# json (numbers, null for an empty field); export/formats-agree compares every row.
"$TARNMAP" diff "$DATA/builds/old.tarnws" "$DATA/builds/new.tarnws" --format csv |
    sed -n '1p; /operator/p' | cat -v
"$TARNMAP" diff "$DATA/builds/old.map" "$DATA/builds/new.map" --format json | tail -3
