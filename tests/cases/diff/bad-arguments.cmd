# Each error prints one line on stderr: 2 for bad arguments, 1 for a file problem.
run() { "$TARNMAP" "$@"; echo "[exit $?]"; }
run diff "$DATA/builds/old.map"
run diff a b c
run diff a b --format
run diff a b --format tab
run diff --map a b
run diff "$DATA/builds/old.map" missing.tarnws
run diff missing.map "$DATA/builds/old.map"
