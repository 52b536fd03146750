# Sourced by the listing cases. show WHAT NAME TEXT writes TEXT (printf escapes) as a listing
# and prints, under "== NAME", the rows `tarnmap export WHAT` reads from it, without the header.
show() {
    echo "== $2"
    printf "$3" >listing.map
    "$TARNMAP" export "$1" --map listing.map | tail -n +2
}
