# Every symbol of the demo by start address. Kept: the header, the first rows (ties at 0400,
# an entry without an end, an attribute of None), the overlay pairs whose symbols interleave
# at 2500 and A000, the last row and the line count, which catches a row lost or added anywhere.
"$TARNMAP" print symbol-list --workspace "$DEMO/demo.tarnws" | sed -n '1,11p;180,189p;269,278p;$p;$='
