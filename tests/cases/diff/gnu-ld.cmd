# Two builds of a small program linked by the machine's gcc: the second adds a function and
# grows a table by 16 longs. The diff of their GNU ld map files names both, the table with
# its exact growth; code sizes depend on the compiler, so only the kind of change is shown.
cat >link.ld <<'LD'
MEMORY
{
  FLASH (rx) : ORIGIN = 0x00100000, LENGTH = 32K
  RAM   (rw) : ORIGIN = 0x00200000, LENGTH = 4K
}
ENTRY(main)
SECTIONS
{
  .text : { *(.text*) } > FLASH
  .rodata : { *(.rodata*) } > FLASH
  .data : { *(.data*) } > RAM
  .bss : { *(.bss*) *(COMMON) } > RAM
  /DISCARD/ : { *(.eh_frame*) *(.note*) *(.comment) *(.got*) *(.igot*) *(.iplt*) *(.rela*) }
}
LD
build() {  # build directory, table length, extra source
    mkdir "$1"
    printf 'long table[%s] = {1, 2, 3};\nint counter = 3;\n%s\n' "$2" "$3" >"$1/prog.c"
    printf 'int main(void) { return (int)table[counter] + counter; }\n' >>"$1/prog.c"
    (cd "$1" && gcc -O1 -fno-pie -fno-asynchronous-unwind-tables -ffreestanding \
        -ffunction-sections -fdata-sections -c prog.c &&
        gcc -nostdlib -static -no-pie -o prog.elf prog.o -Wl,-T,../link.ld -Wl,-Map=prog.map \
            -Wl,--build-id=none)
}
build old 24 ''
build new 40 'int checksum(const char *p) { int s = 0; while (*p) s += *p++; return s; }'
"$TARNMAP" diff old/prog.map new/prog.map | awk -F'\t' '
    NR == 1 { next }
    $1 == "symbol" && $2 == "table" { print $1, $2, $6; next }
    { print $1, $2, ($4 == "" ? "added" : $5 == "" ? "removed" : $6 ~ /^\+00000000$/ ? "same" : $6 ~ /^\+/ ? "grown" : "shrunk") }'
