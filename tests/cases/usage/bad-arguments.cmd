# Each error prints one line on stderr: 2 for bad arguments, 1 for a file problem.
run() { "$TARNMAP" "$@"; echo "[exit $?]"; }
run usage
run usage --map a.map --workspace b.tarnws
run usage --map "$DATA/builds/new.map" --format yaml
run usage --map "$DATA/builds/new.map" --format
run usage --map "$DATA/builds/new.map" --sort 1
run usage --map missing.map
