cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/workspace-stored.tms" "$CASE_DIR/workspace-stored-key.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script workspace-stored.tms
cat maps.tarnws.data
section='[Windows|board|Debug|TM32F100|{AFE1390A-CE18-FF34-7319-4530377840E4}]'
printf '%s\n' "$section" 'MapCtrlViews = 4' 'MapCtrlViewsSCT = 1' \
    'MapSctSetTreeWndInstanceKey0 = "{WK_00000001_MAPSCT}boardTM32F100"' 'MapCtrlViewsSYM = 0' \
    'MapCtrlTARN_MAP_FIND_SYMBOL_LIST = "abc+d+e"' > maps.tarnws.data
"$TARNMAP" script workspace-stored.tms
grep -v 'Exp\|Scroll\|ColWidth' maps.tarnws.data
printf '%s\n' "$section" 'MapCtrlViews = 2' 'MapCtrlViewsSCT = 1' \
    'MapSctSetTreeWndInstanceKey0 = "{NO_MAP_WINDOW}"' > maps.tarnws.data
"$TARNMAP" script workspace-stored-key.tms
