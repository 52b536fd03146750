#!/usr/bin/env python3
# Writes two map listings with thousands of symbols whose sizes change, appear and disappear,
# runs "tarnmap diff" on them and checks every symbol row against the diff worked out here:
# sizes added up per name and file, rows where the size or the presence differs, ordered by the
# absolute difference (largest first), then name and file byte by byte. The names are made to
# share long beginnings, to be beginnings of each other and to repeat in other files, and the
# sizes take few values, so that long runs of equal difference have to be ordered by name.
# Prints the row count, or the first row that differs. Usage: many-rows-order.py TARNMAP
import random, subprocess, sys

STEMS = ["_a", "_motor_control_loop_", "_motor_control_loop_fast_", "_uart_", "_x"]
FILES = ["main.obj", "motor.obj", "uart.obj"]
SIZES = [0, 1, 4, 0x10, 0x40, 0x40, 0x40, 0x100]


def symbols(rng, count):
    rows = []
    for _ in range(count):
        name = rng.choice(STEMS) + str(rng.randrange(3000))
        rows.append((name, rng.choice(FILES), rng.choice(SIZES)))
    return rows


def listing(path, rows):
    lines = ["Linkage Editor (generated) listing                                  page 1", "",
             "*** Mapping List ***", "",
             "SECTION                            START      END         SIZE   ALIGN", "P",
             "                                  00000000  000FFFFF      100000   4", "",
             "*** Symbol List ***", "", "SECTION=",
             "FILE=                               START        END         SIZE",
             "  SYMBOL                            ADDR        SIZE    INFO      COUNTS  OPT",
             "", "SECTION=P"]
    for file in FILES:
        lines += [f"FILE=C:\\work\\generated\\{file}", "                                  00000000  00000000  0"]
        for name, where, size in rows:
            if where == file:
                lines += [f"  {name}", f"                                  00000000  {size:8X}   func ,g         1"]
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


def totals(rows):
    sizes = {}
    for name, file, size in rows:
        sizes[(name, file)] = sizes.get((name, file), 0) + size
    return sizes


def field(size):
    return "" if size is None else f"{size:08X}"


rng = random.Random(7)
old = symbols(rng, 6000)
new = [row for row in old if rng.random() < 0.7] + symbols(rng, 2000)
new = [(n, f, rng.choice(SIZES)) if rng.random() < 0.3 else (n, f, s) for n, f, s in new]
listing("old.map", old)
listing("new.map", new)

before, after = totals(old), totals(new)
expected = []
for key in before.keys() | after.keys():
    a, b = before.get(key), after.get(key)
    if a != b:
        difference = (b or 0) - (a or 0)
        sign = "-" if difference < 0 else "+"
        expected.append((-abs(difference), key[0].encode(), key[1].encode(),
                         f"symbol\t{key[0]}\t{key[1]}\t{field(a)}\t{field(b)}\t{sign}{abs(difference):08X}"))
expected = [row[-1] for row in sorted(expected)]

output = subprocess.run([sys.argv[1], "diff", "old.map", "new.map"], check=True,
                        capture_output=True, text=True).stdout
got = [line for line in output.splitlines() if line.startswith("symbol\t")]
for i, (want, have) in enumerate(zip(expected, got)):
    if want != have:
        print(f"row {i}: expected {want!r}, got {have!r}")
        sys.exit(1)
if len(got) != len(expected):
    print(f"{len(got)} symbol rows, expected {len(expected)}")
    sys.exit(1)
print(f"{len(got)} symbol rows in the expected order")
