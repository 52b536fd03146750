# A malformed workspace line stops the load with an error naming the file and the line; a
# missing file is a clear error; a bad number reads as 0 with a warning.
for text in '[workspace]\nname = a\nno equals sign\n' 'key = before\n' '[open\n' \
            '[a]\n = value\n' '[a]\nx = 1\0y\n' '[linker]\ncapabilities = lots\n[group]\naddress = 100\nsections = P\n'; do
    printf "$text" >w.tarnws
    "$TARNMAP" export groups --workspace w.tarnws
    echo "[exit $?]"
done
"$TARNMAP" export groups --workspace /nonexistent/dir/x.tarnws
