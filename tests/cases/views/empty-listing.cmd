# A listing without sections: an empty section list whose commands are all disabled, and a
# section tree that holds only its root; neither has anything to print.
: > empty.map
cp "$CASE_DIR/empty-listing.tms" .
"$TARNMAP" script empty-listing.tms
