# The sample listing: sections with their gaps and an overlay, and every symbol.
"$TARNMAP" export sections --map "$DATA/listings/small.map"
"$TARNMAP" export symbols --map "$DATA/listings/small.map"
