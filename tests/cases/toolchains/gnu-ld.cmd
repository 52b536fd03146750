# A program linked by the machine's gcc with a linker script of FLASH and RAM regions: the
# sections, symbols and source lines that tarnmap reads from its GNU ld map file (with the
# ELF file beside it) agree with binutils.
bash "$CASE_DIR/program.sh"
gcc -nostdlib -static -no-pie -o fw.elf main.o scale.o -L. -lfill -Wl,-T,link.ld \
    -Wl,-Map=fw.map -Wl,--build-id=none 2>/dev/null
bash "$CASE_DIR/compare.sh" fw.map fw.elf
bash "$CASE_DIR/map-alone.sh" fw.map fw.elf -g
