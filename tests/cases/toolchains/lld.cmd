# The same program linked by ld.lld with the linker script: sections, symbols and source lines
# read from its lld map file agree with binutils. From the map alone, symbols and their sizes
# agree with nm, except a symbol assigned an expression (the map shows only the location
# counter there).
bash "$CASE_DIR/program.sh"
ld.lld -T link.ld -Map=fw.map -o fw.elf main.o scale.o libfill.a --build-id=none
bash "$CASE_DIR/compare.sh" fw.map fw.elf
SKIP='^_estack ' bash "$CASE_DIR/map-alone.sh" fw.map fw.elf
