#!/usr/bin/env bash
# Writes a small firmware-like program into the current directory: three C files (one of them
# in an archive), a linker script with FLASH and RAM regions and an overlay, compiled with the
# machine's gcc. Links are left to the cases.
set -euo pipefail
cat >main.c <<'C'
extern int scale(int value);
extern void fill(int value);
static int calls;
int counter = 3;
const char banner[] = "tarn";
static int twice(int x) { return 2 * x; }
int main(void) {
    calls++;
    counter = twice(scale(counter));
    fill(counter);
    return counter + calls;
}
C
cat >scale.c <<'C'
static const int factors[4] = {1, 2, 3, 5};
int scale(int value) {
    int sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += factors[i] * value;
    return sum;
}
__attribute__((weak)) int tuning = 7;
C
cat >fill.c <<'C'
int buffer[32];
static int fills;
void fill(int value) {
    for (int i = 0; i < 32; ++i)
        buffer[i] = value;
    fills++;
}
__attribute__((section(".ovl_a"))) int overlay_a(void) { return 1; }
__attribute__((section(".ovl_b"))) int overlay_b(void) { return fills; }
C
cat >link.ld <<'LD'
MEMORY
{
  FLASH (rx)  : ORIGIN = 0x08000000, LENGTH = 64K
  RAM   (rwx) : ORIGIN = 0x20000000, LENGTH = 16K
}
ENTRY(main)
SECTIONS
{
  .text : { *(.text*) } > FLASH
  .rodata : { *(.rodata*) } > FLASH
  OVERLAY 0x08008000 : AT (0x08009000) { .ovl_a { *(.ovl_a) } .ovl_b { *(.ovl_b) } }
  .data : { _sdata = .; *(.data*) _edata = .; } > RAM AT > FLASH
  .bss (NOLOAD) : { *(.bss*) *(COMMON) } > RAM
  _estack = ORIGIN(RAM) + LENGTH(RAM);
  /DISCARD/ : { *(.eh_frame*) *(.note*) *(.comment) }
}
LD
gcc -g -O0 -fno-pie -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables \
    -c main.c scale.c fill.c
ar rcs libfill.a fill.o
