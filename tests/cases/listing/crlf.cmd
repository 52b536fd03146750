# A listing with CR LF line ends reads like its LF twin. Empty lines matter in the symbol
# list: a zero-length line is skipped, a line of blanks makes the next line skipped too.
printf '*** Symbol List ***\nSECTION=P\n\n  _a\n\n  10  4  func ,g  0\n  \n  _skipped\n  _b\n  20  4  data ,l  0\n' >crafted.map
for listing in "$DATA/listings/small.map" crafted.map; do
    sed 's/$/\r/' "$listing" >crlf.map
    for what in sections symbols; do
        diff <("$TARNMAP" export $what --map "$listing") <("$TARNMAP" export $what --map crlf.map)
    done
done
"$TARNMAP" export symbols --map crlf.map
