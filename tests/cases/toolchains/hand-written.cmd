# Map files written by hand with what real ones hold: section and input section names too long
# for their column (values on the next line), archive members, fill, "size before relaxing",
# PROVIDE and PROVIDE_HIDDEN, a debug section, a cross reference table; an lld map in the
# older columns without LMA. No ELF file lies beside them.
"$TARNMAP" export sections --map "$DATA/toolchains/wrapped.map"
"$TARNMAP" export symbols --map "$DATA/toolchains/wrapped.map"
"$TARNMAP" export symbols --map "$DATA/toolchains/old-columns.map"
"$TARNMAP" init --map "$DATA/toolchains/wrapped.map" --workspace ws.tarnws >/dev/null
grep -E '^(address|sections|description) =' ws.tarnws
