#!/usr/bin/env bash
# Compares the symbols tarnmap reads from a map file alone (no ELF file beside it) with nm:
# names and addresses, and sizes too when the map has them (lld).
#   map-alone.sh MAP ELF NM-OPTIONS...   ($SKIP: symbols the map cannot tell, a regex)
set -euo pipefail
map=$1 elf=$2
shift 2
mkdir -p alone
cp "$map" alone/
sized=$( [ "$(head -c 3 "$map")" = "   " ] && echo yes || echo no)
"$TARNMAP" export symbols --map "alone/$(basename "$map")" |
    awk -F'\t' -v sized=$sized 'NR > 1 { print $1, $2, (sized == "yes" ? $3 : "") }' |
    sed 's/ $//' | grep -Ev "${SKIP:-^$}" | sort >ours.txt
nm -S "$@" --defined-only "$elf" | awk -v sized=$sized '
    NF == 4 { print $4, toupper(substr($1, length($1) - 7)), (sized == "yes" ? toupper(substr($2, length($2) - 7)) : "") }
    NF == 3 { print $3, toupper(substr($1, length($1) - 7)), (sized == "yes" ? "00000000" : "") }' |
    sed 's/ $//' | grep -Ev "${SKIP:-^$}" | sort >theirs.txt
if diff -u --label tarnmap --label nm ours.txt theirs.txt; then
    echo "nm agrees on $(wc -l <ours.txt) symbols of the map alone"
fi
