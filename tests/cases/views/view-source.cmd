# The demo workspace with one more source line, whose path holds a placeholder.
cp "$DEMO/demo.tarnws" "$DEMO/blinky.map" "$CASE_DIR/view-source.tms" .
echo '00000450 = $(CONFIGDIR)/src/clear.c:7' >> demo.tarnws
"$TARNMAP" script view-source.tms
