# The column layout comes from the user's profile: a hidden column (minus its width) is left
# out of the print, a narrower one keeps the print's field width.
printf '[CTarnMapSectionListInstanceCtrl]\nColWidth1 = 40\nColWidth4 = -90\n' > "$TARNMAP_CONFIG_DIR/profile.ini"
"$TARNMAP" print section-list --map "$DEMO/blinky.map" --show-zero-size
# The view saves its layout again when it closes.
cat "$TARNMAP_CONFIG_DIR/profile.ini"
