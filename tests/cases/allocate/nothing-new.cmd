# An allocation that finds every used range covered already leaves the workspace file as it
# is: not rewritten (the same file, the same modification time).
cp "$DEMO/demo.tarnws" "$DEMO/blinky.map" .
"$TARNMAP" allocate --workspace demo.tarnws > /dev/null
"$TARNMAP" allocate --workspace demo.tarnws > /dev/null
before=$(stat -c '%i %Y.%y' demo.tarnws)
sleep 0.05
"$TARNMAP" allocate --workspace demo.tarnws | grep '^resource'
[ "$before" = "$(stat -c '%i %Y.%y' demo.tarnws)" ] && echo "workspace file untouched"
