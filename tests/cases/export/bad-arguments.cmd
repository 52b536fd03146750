# Each error prints one line on stderr and nothing on stdout: 2 for bad arguments, 1 for a
# file problem.
run() { "$TARNMAP" "$@"; echo "[exit $?]"; }
printf '[workspace]\nname = W\n[linker]\nmap = gone.map\n' >nomap.tarnws
printf '[workspace]\nname W\n' >broken.tarnws
mkdir folder.map
run export
run export tables --map x
run export sections
run export sections --map a --workspace b
run export sections --map
run export sections --map a --section P
run export symbols --map a --sort 1:up
run export symbols --map a --verbose 1
run export symbols --map none.map
run export symbols --map "$WORK/folder.map"
run export sections --workspace nomap.tarnws
run export sections --workspace "$WORK/broken.tarnws"
run export sections --workspace "$WORK"
# An unknown command prints the usage below its first line.
"$TARNMAP" frobnicate 2>&1 | sed -n 1p; echo "[exit ${PIPESTATUS[0]}]"
