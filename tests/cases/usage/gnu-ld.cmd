# A small program linked by the machine's gcc into three memory regions with ld's
# --print-memory-usage: tarnmap usage on its map file gives each region's size and used bytes
# as ld does. The sections follow one another from each region's origin (padded to 32 bytes),
# so the bytes they hold are the extent that ld reports.
cat >prog.c <<'C'
static int calls;
int counter = 3;
long table[24] = {1, 2, 3};
char scratch[200];
const char banner[] = "tarn usage";
static int twice(int x) { return 2 * x; }
int step(int x) { calls++; return twice(x) + counter + (int)table[x & 7] + banner[x & 3]; }
int main(void) { scratch[1] = (char)step(counter); return scratch[1]; }
C
cat >link.ld <<'LD'
MEMORY
{
  FLASH (rx)  : ORIGIN = 0x00100000, LENGTH = 32K
  RAM   (rw)  : ORIGIN = 0x00200000, LENGTH = 4K
  BACKUP (rw) : ORIGIN = 0x00300000, LENGTH = 1K
}
ENTRY(main)
SECTIONS
{
  .text : { *(.text*) . = ALIGN(32); } > FLASH
  .rodata : { *(.rodata*) . = ALIGN(32); } > FLASH
  .data : { *(.data*) . = ALIGN(32); } > RAM
  .bss : { *(.bss*) *(COMMON) . = ALIGN(32); } > RAM
  /DISCARD/ : { *(.eh_frame*) *(.note*) *(.comment) *(.got*) *(.igot*) *(.iplt*) *(.rela*) }
}
LD
gcc -O1 -fno-pie -fno-asynchronous-unwind-tables -ffreestanding -c prog.c
gcc -nostdlib -static -no-pie -o prog.elf prog.o -Wl,-T,link.ld -Wl,-Map=prog.map \
    -Wl,--build-id=none -Wl,--print-memory-usage >ld.txt
"$TARNMAP" usage --map prog.map --format json >usage.json
"$CASE_DIR/compare-with-ld" ld.txt usage.json
