# Two builds of the small firmware: _crc32 and an operator added, _legacy gone, _table and
# _buffer grown; the two local _helper symbols stay apart by their files. Largest change first.
"$TARNMAP" diff "$DATA/builds/old.tarnws" "$DATA/builds/new.tarnws"
# Bare listings have no memory areas: only the total.
"$TARNMAP" diff "$DATA/builds/old.map" "$DATA/builds/new.map" | tail -3
# Nothing changed: only the totals.
"$TARNMAP" diff "$DATA/builds/new.tarnws" "$DATA/builds/new.tarnws"
