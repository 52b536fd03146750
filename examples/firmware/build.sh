#!/usr/bin/env bash
# Builds the example firmware with Debian's gcc-arm-none-eabi (firmware.elf, firmware.map, and
# the linker's own memory usage table, firmware.memory-usage, that tarnmap usage is checked with)
# and, where clang and ld.lld are installed, with them too (firmware-lld.elf, -lld.map).
# The GNU build's map and ELF file are committed, so the demo runs without a cross compiler.
# Paths in the outputs are relative to this directory, so that the build is the same anywhere.
set -euo pipefail
cd "$(dirname "$0")"
CFLAGS=(-mcpu=cortex-m3 -mthumb -O1 -g -ffreestanding -ffunction-sections -fdata-sections
        -fdebug-prefix-map="$PWD"=.)
SOURCES=(startup.c main.c uart.c)
rm -rf obj && mkdir obj
trap 'rm -rf obj' EXIT

for s in "${SOURCES[@]}"; do
    arm-none-eabi-gcc "${CFLAGS[@]}" -c "$s" -o "obj/${s%.c}.o"
done
arm-none-eabi-ar rcs obj/libuart.a obj/uart.o
arm-none-eabi-gcc "${CFLAGS[@]}" -nostdlib -T firmware.ld -o firmware.elf \
    obj/startup.o obj/main.o -Lobj -luart -Wl,-Map=firmware.map,--build-id=none \
    -Wl,--print-memory-usage | tee firmware.memory-usage
echo "built firmware.elf and firmware.map with $(arm-none-eabi-gcc --version | head -1)"

if command -v clang >/dev/null && command -v ld.lld >/dev/null; then
    for s in "${SOURCES[@]}"; do
        clang --target=thumbv7m-none-eabi "${CFLAGS[@]:1}" -c "$s" -o "obj/lld-${s%.c}.o"
    done
    ld.lld -T firmware.ld -Map=firmware-lld.map -o firmware-lld.elf -z max-page-size=4 \
        obj/lld-startup.o obj/lld-main.o obj/lld-uart.o
    echo "built firmware-lld.elf and firmware-lld.map with $(ld.lld --version)"
fi
