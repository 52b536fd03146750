cp "$CASE_DIR/maps.tarnws" "$CASE_DIR/workspace-layout.tms" "$CASE_DIR/workspace-restore.tms" "$WORK/"
cp "$DATA/listings/small.map" "$WORK/build.map"
"$TARNMAP" script workspace-layout.tms
cat "$TARNMAP_CONFIG_DIR/options.ini" maps.tarnws.data
# Another session hid the section list's overlay column, expanded the first section list of
# the section setting tree and searched for ten names, the latest first.
sed -i -e 's/^MapSctListWnd0ColWidth4 = .*/MapSctListWnd0ColWidth4 = 0/' \
       -e 's/^MapSctSetTreeWnd0Exp2 = .*/MapSctSetTreeWnd0Exp2 = 1/' \
       -e 's/^MapCtrlTARN_MAP_FIND_SYMBOL_LIST = .*/MapCtrlTARN_MAP_FIND_SYMBOL_LIST = "a+b+e+f+h+i+k+l+m+n"/' \
       maps.tarnws.data
cp maps.tarnws.data restored.data
"$TARNMAP" script workspace-restore.tms
# The save writes what it read, but for the find history and a key the first save left out.
diff restored.data maps.tarnws.data
