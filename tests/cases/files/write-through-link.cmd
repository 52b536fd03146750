# A workspace reached through a symbolic link: the file it names is replaced, the link stays,
# and the replacement keeps the file's mode.
cp "$DEMO/demo.tarnws" "$DEMO/blinky.map" .
chmod 600 demo.tarnws
ln -s demo.tarnws linked.tarnws
"$TARNMAP" allocate --workspace linked.tarnws >/dev/null
test -L linked.tarnws && echo "linked.tarnws is still a link"
stat -c '%a %F' demo.tarnws
grep -o 'RESOURCE|"[^"]*"' demo.tarnws
