# --map reads a bare listing; a backslash and a tab inside a text are written escaped (early in
# a text and after its first eight bytes), and a file name keeps only its last part.
cat >odd.map <<'MAP'
*** Mapping List ***
SECTION START END SIZE
A\B
  00000010 0000001F 10 1
*** Symbol List ***
SECTION=A\B
FILE=C:\work\x.obj
skipped
sym	with tab
  00000010 4 func,g 0
a_longer_symbol\name	with a tab past the first eight bytes
  00000014 4 func,g 0
MAP
"$TARNMAP" export sections --map odd.map
"$TARNMAP" export symbols --map odd.map
