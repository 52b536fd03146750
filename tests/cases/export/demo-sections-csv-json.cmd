# The demo's sections as csv (records end in CRLF, shown here as ^M) and as json.
"$TARNMAP" export sections --workspace "$DEMO/demo.tarnws" --format csv | head -4 | cat -v
"$TARNMAP" export sections --workspace "$DEMO/demo.tarnws" --format json | head -4
"$TARNMAP" export symbols --map "$DATA/builds/new.map" --format csv | grep Vec | cat -v
"$TARNMAP" export sections --workspace "$DEMO/demo.tarnws" --format xml
