#!/usr/bin/env python3
# Runs one tarnmap command in tsv, csv and json and checks that the three say the same: the
# csv read by Python's csv module equals the tsv field by field, and every json object equals
# its tsv row (texts unescaped, hexadecimal fields against numbers, empty fields against null).
# Prints the row count, or each difference. Usage: same-in-every-format.py TARNMAP ARGS...
import csv, io, json, subprocess, sys


def run(fmt):
    return subprocess.run(sys.argv[1:] + ["--format", fmt], check=True, capture_output=True).stdout


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"t": "\t", "n": "\n", "r": "\r", "\\": "\\"}[text[i + 1]])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def same(tsv_field, value):
    if value is None:
        return tsv_field == ""
    if isinstance(value, str):
        return unescape(tsv_field) == value
    if isinstance(value, float):
        return float(tsv_field) == value
    return int(tsv_field, 16) == value  # "+0000001C" and "-00000004" too


tsv = [line.split("\t") for line in run("tsv").decode().split("\n")[:-1]]
rows = list(csv.reader(io.StringIO(run("csv").decode(), newline="")))
objects = json.loads(run("json"))
header, body = tsv[0], tsv[1:]
faults = []
if [header] + [[unescape(f) for f in r] for r in body] != rows:
    faults.append("csv differs from tsv")
if len(objects) != len(body):
    faults.append(f"json has {len(objects)} rows, tsv {len(body)}")
for n, (row, obj) in enumerate(zip(body, objects), 1):
    if list(obj) != header:
        faults.append(f"row {n}: json keys {list(obj)}")
    for key, field in zip(header, row):
        if not same(field, obj.get(key)):
            faults.append(f"row {n} {key}: tsv {field!r}, json {obj.get(key)!r}")
print("\n".join(faults) if faults else f"tsv, csv and json agree on {len(body)} rows")
