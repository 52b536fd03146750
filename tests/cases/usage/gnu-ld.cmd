# A small program linked by the machine's gcc into three memory regions with ld's
# --print-memory-usage: tarnmap usage on its map file gives each region's size and used bytes
# as ld does. The sections follow one another from each region's origin (padded to 32 bytes),
# so the bytes they hold are the extent that ld reports. .data and .bss run in RAM and load
# from FLASH: FLASH holds .data's initial values (its load address) but nothing of .bss, nor of
# .zeroed, which only its type in the ELF file beside the map tells to be zeroed data.
cat >prog.c <<'C'
static int calls;
int counter = 3;
long table[24] = {1, 2, 3};
char scratch[200];
char pool[64] __attribute__((section(".zeroed")));
const char banner[] = "tarn usage";
static int twice(int x) { return 2 * x; }
int step(int x) { calls++; return twice(x) + counter + (int)table[x & 7] + banner[x & 3]; }
int main(void) { scratch[1] = (char)step(counter); pool[2] = scratch[1]; return pool[2]; }
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
  .data : { *(.data*) . = ALIGN(32); } > RAM AT > FLASH
  .zeroed (NOLOAD) : { *(.zeroed*) . = ALIGN(32); } > RAM AT > FLASH
  .bss : { *(.bss*) *(COMMON) . = ALIGN(32); } > RAM AT > FLASH
  /DISCARD/ : { *(.eh_frame*) *(.note*) *(.comment) *(.got*) *(.igot*) *(.iplt*) *(.rela*) }
}
LD
gcc -O1 -fno-pie -fno-asynchronous-unwind-tables -ffreestanding -c prog.c
gcc -nostdlib -static -no-pie -o prog.elf prog.o -Wl,-T,link.ld -Wl,-Map=prog.map \
    -Wl,--build-id=none -Wl,--print-memory-usage >ld.txt
"$TARNMAP" usage --map prog.map --format json >usage.json
"$CASE_DIR/compare-with-ld" ld.txt usage.json
# The same object linked by ld.lld: its map names no regions (a workspace's memory description
# gives them, in the same order) but has the load addresses, so FLASH and RAM hold what ld said.
ld.lld -T link.ld -Map=lld.map -o lld.elf prog.o --build-id=none
cat >lld.tarnws <<'WS'
[workspace]
name = prog
[linker]
map = lld.map
[memory]
description = [V|VERSION|1.00] [S|CPUTYPE|prog] [S|MAP|"00100000,00107FFF,FLASH,0,0 00200000,00200FFF,RAM,0,0 00300000,003003FF,BACKUP,0,0"] [S|RESOURCE|""]
WS
"$TARNMAP" usage --workspace lld.tarnws --format json >lld.json
python3 - <<'PY'
import json
rows = json.load(open("lld.json"))
for row, name in zip((r for r in rows if r["record"] == "area"), ["FLASH", "RAM", "BACKUP"]):
    row["name"] = name
json.dump(rows, open("lld.json", "w"))
PY
"$CASE_DIR/compare-with-ld" ld.txt lld.json
