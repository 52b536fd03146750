# A listing without sections: an empty list whose commands are all disabled.
: > empty.map
cp "$CASE_DIR/section-list-empty.tms" .
"$TARNMAP" script section-list-empty.tms
