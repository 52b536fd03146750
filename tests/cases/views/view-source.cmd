# The demo workspace with two more source lines whose paths hold placeholders: a directory
# and the workspace's own custom placeholder.
cp "$DEMO/demo.tarnws" "$DEMO/blinky.map" "$CASE_DIR/view-source.tms" .
echo '00000450 = $(CONFIGDIR)/src/clear.c:7' >> demo.tarnws
echo '00002500 = boards/$(BOARD)/overlay.c:3' >> demo.tarnws
"$TARNMAP" script view-source.tms
