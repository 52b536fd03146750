# Bad input never crashes the reader; a name line longer than one read block stays whole.
. "$CASE_DIR/show.sh"
count() { echo "$("$TARNMAP" export sections --map listing.map | tail -n +2 | grep -vc Unallocated) sections, $("$TARNMAP" export symbols --map listing.map | tail -n +2 | wc -l) symbols"; }
for text in '' 'SECTION\nA\n 0 F 10 1\n  _s\n  1 1 data g 0\n' '*** Symbol List ***\n  _a\0b\n  1 1 da\0ta g 0\n' \
            '*** Symbol List ***'; do
    printf "$text" >listing.map
    count
done
head -c 1000 /dev/zero | tr '\0' '\r' >listing.map
count
{ printf '*** Options ***\n-start='; head -c 10485760 /dev/zero | tr '\0' /; printf 'A:B'; } >listing.map
count
{ printf '*** Symbol List ***\r\n'; head -c 3145728 /dev/zero | tr '\0' n; printf '\r\n  1 1 data g 0\r\n'; } >listing.map
"$TARNMAP" export symbols --map listing.map | tail -n +2 | awk -F'\t' '{ print length($1), $2, $3 }'
