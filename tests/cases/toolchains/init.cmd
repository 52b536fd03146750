# "tarnmap init" on a GNU ld map: memory areas from the script's FLASH (rx, on-chip ROM) and
# RAM (rwx, RAM) regions, one placement group per run of adjacent sections (the overlay as an
# item of its group); the allocation then works on it. A second init does not overwrite.
bash "$CASE_DIR/program.sh"
gcc -nostdlib -static -no-pie -o fw.elf main.o scale.o -L. -lfill -Wl,-T,link.ld \
    -Wl,-Map=fw.map -Wl,--build-id=none 2>/dev/null
"$TARNMAP" init --map fw.map --workspace fw.tarnws
grep -E '^(map|elf|address|sections|description) =' fw.tarnws
"$TARNMAP" allocate --workspace fw.tarnws
"$TARNMAP" init --map fw.map --workspace fw.tarnws
