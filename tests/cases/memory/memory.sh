# Sourced by the memory cases.
# workspace DESCRIPTION [START-END ...] writes w.tarnws with that memory resource description
# and a map listing (w.map) of one section per range (hexadecimal).
workspace() {
    local description=$1 i=0 range start end
    shift
    {
        printf '*** Mapping List ***\nSECTION START END SIZE\n'
        for range in "$@"; do
            start=${range%-*} end=${range#*-} i=$((i + 1))
            printf 'S%d\n %s %s %X 1\n' $i "$start" "$end" $((0x$end - 0x$start + 1))
        done
    } >w.map
    printf '[workspace]\nname = W\n[project]\nname = P\n[configuration]\nname = C\n[device]\nname = D\n[linker]\nmap = w.map\n[memory]\ndescription = %s\n' "$description" >w.tarnws
}
# show NAME DESCRIPTION: the areas and resources read from the description.
show() {
    echo "== $1"
    workspace "$2"
    "$TARNMAP" export memory --workspace w.tarnws | tail -n +2
}
# allocate NAME DESCRIPTION RANGES...: Memory Resource Auto Allocate for the ranges; prints the
# description written back (the table the command prints is shown by allocate/demo).
allocate() {
    echo "== $1"
    shift
    workspace "$@"
    "$TARNMAP" allocate --workspace w.tarnws >/dev/null
    grep '^description = ' w.tarnws
}
