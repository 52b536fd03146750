# The old build fits; the new one's B runs past the end of the RAM (marked over), and EXT lies
# outside both areas in either. A bare listing has no areas: every section is outside.
"$TARNMAP" usage --workspace "$DATA/builds/old.tarnws"
"$TARNMAP" usage --workspace "$DATA/builds/new.tarnws"
"$TARNMAP" usage --map "$DATA/builds/new.map"
