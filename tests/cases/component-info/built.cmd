# The built component beside the program: loaded, registered and initialised.
"$TARNMAP" component-info | sed "s|$(dirname "$TARNMAP")|BIN|"
