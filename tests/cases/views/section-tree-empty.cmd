# A listing without sections: the tree holds only its root and has nothing to print.
: > empty.map
cp "$CASE_DIR/section-tree-empty.tms" .
"$TARNMAP" script section-tree-empty.tms
