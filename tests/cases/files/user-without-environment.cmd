# $(USER) without USER, LOGNAME or a login terminal is the account name of the effective user.
sed 's|^map = .*|map = $(CONFIGDIR)/$(USER).map|' "$DEMO/demo.tarnws" >user.tarnws
cp "$DEMO/blinky.map" "$(id -un).map"
env -u USER -u LOGNAME "$TARNMAP" export sections --workspace user.tarnws </dev/null | head -3
