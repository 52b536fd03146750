# Bytes that are not UTF-8 (ISO-8859-1 here) in the memory resource description come back
# byte for byte when the description is written back.
cp "$DEMO/demo.tarnws" "$DEMO/blinky.map" .
e=$(printf '\351')
sed -i "s/CPUTYPE|TM32F100/CPUTYPE|TM32-r$e/; s/\[S|CHIPREV|B\]/& [S|NOTE|caf$e]/" demo.tarnws
"$TARNMAP" allocate --workspace demo.tarnws >/dev/null
LC_ALL=C grep -a -o -e 'CPUTYPE|[^]]*' -e 'NOTE|[^]]*' demo.tarnws | od -An -c
