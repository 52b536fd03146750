# Memory Resource Auto Allocate on a copy of the demo: the build's code and constants in ROM
# become "R", its RAM sections "R/W"; ranges already covered add nothing. Only the
# description line of the workspace changes.
cp "$DEMO/demo.tarnws" "$DEMO/blinky.map" .
"$TARNMAP" allocate --workspace demo.tarnws
diff "$DEMO/demo.tarnws" demo.tarnws
echo "== again: everything is covered; the touching RAM resources merge"
"$TARNMAP" allocate --workspace demo.tarnws | grep '^resource'
echo "== a third time nothing is new: the file is not rewritten (same file, same modification time)"
before=$(stat -c '%i %Y.%y' demo.tarnws)
sleep 0.05
"$TARNMAP" allocate --workspace demo.tarnws >/dev/null
[ "$before" = "$(stat -c '%i %Y.%y' demo.tarnws)" ] && echo "workspace file untouched"
