#!/usr/bin/env bash
# Compares what tarnmap reads from a map file (with the ELF file beside it) with binutils:
# sections with objdump -h, symbols with readelf -s, source lines with addr2line.
#   compare.sh MAP ELF
set -euo pipefail
map=$1 elf=$2

agree() {  # what, ours, theirs: prints the count when both lists agree, else the difference
    if diff -u --label tarnmap --label "$1" "$2" "$3" >diff.txt; then
        echo "$1 agrees on $(wc -l <"$2") rows"
    else
        cat diff.txt
    fi
}

"$TARNMAP" export sections --map "$map" |
    awk -F'\t' 'NR > 1 && $1 != "Unallocated Area" { print $1, $2, $4, $5 }' |
    sed 's/ $//' | sort >ours.txt
objdump -h "$elf" | awk '
    $1 ~ /^[0-9]+$/ { name = $2; size = $3; vma = $4; next }
    name != "" && /ALLOC/ && size !~ /^0+$/ {
        first = (vma in base) ? base[vma] : ""
        if (first == "") base[vma] = name
        print name, toupper(substr(vma, length(vma) - 7)),
            toupper(substr("00000000" size, length(size) + 1)), first
    }
    { name = "" }' | sed 's/ $//' | sort >theirs.txt
agree "objdump -h" ours.txt theirs.txt

entry=$(readelf -h "$elf" | awk '/Entry point/ { print $4 }')
"$TARNMAP" export symbols --map "$map" |
    awk -F'\t' 'NR > 1 { print $1, $2, $3, $4, $5 }' | sort >ours.txt
readelf -sW "$elf" | awk '$1 ~ /^[0-9]+:$/ && $8 != "" && $7 != "UND" && $4 != "FILE" && $4 != "SECTION"' |
    while read -r _ value size type bind _ _ name; do
        attribute=None
        case $type in FUNC) attribute=Function ;; OBJECT | TLS) attribute=Data ;; esac
        if [ $((0x$value)) -eq $((entry)) ] && [ "$type" = FUNC -o "$type" = NOTYPE ]; then
            attribute=Entry
        fi
        scope=Global
        [ "$bind" = LOCAL ] && scope=Local
        printf '%s %08X %08X %s %s\n' "$name" $((0x$value)) $((size)) $attribute $scope
    done | sort >theirs.txt
agree "readelf -s" ours.txt theirs.txt

# Every function's first address and the address one past it.
addresses=$(readelf -sW "$elf" | awk '$4 == "FUNC" && $7 != "UND" { print $2 }' |
    while read -r value; do printf '%X %X ' $((0x$value)) $((0x$value + 1)); done)
"$TARNMAP" source-line --map "$map" $addresses |
    awk -F'\t' 'NR > 1 { n = split($2, p, "/"); print $1, p[n] }' | sort >ours.txt
for a in $addresses; do
    printf '%08X %s\n' $((0x$a)) "$(addr2line -e "$elf" "$a" | sed 's/ (discriminator.*//; s|.*/||')"
done | sort >theirs.txt
agree addr2line ours.txt theirs.txt
