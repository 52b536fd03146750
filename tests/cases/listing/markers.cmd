# Markers ignore case and blanks around them, nothing else; the finishing markers stop the
# reading, whatever follows.
. "$CASE_DIR/show.sh"
one_symbol='\nSECTION=P\n  _f\n  00000010  4  func ,g  0\n'
show symbols "blanks around, lower case" "   *** symbol list ***  \t$one_symbol"
show symbols "tab, vertical tab, form feed" "\t*** Symbol List ***\v\f$one_symbol"
show symbols "two blanks inside: no marker" "*** Symbol  List ***$one_symbol"
show symbols "text after: no marker" "*** Symbol List *** page 2$one_symbol"
show symbols "text before: no marker" "x *** Symbol List ***$one_symbol"
rest='\n  _after\n  00000020  4  func ,g  0\n*** Options ***\n-start=A:B/0\n*** Mapping List ***\nSECTION\nB\n 0 F 10 1\n'
for stop in "Absolute value symbols" "  ABSOLUTE VALUE SYMBOLS" "*** Delete Symbols ***" \
            "*** delete symbols ***"; do
    show symbols "stops at \"$stop\"" "*** Symbol List ***$one_symbol$stop$rest"
    "$TARNMAP" export sections --map listing.map | tail -n +2
done
show symbols "a marker that comes again restarts its state" '*** Symbol List ***\nSECTION=P\nFILE=a.obj\n x\n  _pending\n*** symbol list ***\n  _s\n  1 1 data g 0\n'
