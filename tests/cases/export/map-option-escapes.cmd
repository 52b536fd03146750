# --map reads a bare listing; a backslash and a tab inside a text are written escaped, wherever
# they stand in a long or short text, and a file name keeps only its last part.
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
exactly8
  00000014 4 func,g 0
after_sixteen_by\tes_in_third_word
  00000018 4 func,g 0
sixteen_bytes_\\
  0000001C 4 func,g 0
größe_straße_über_alle_maße
  00000020 4 func,g 0
a_longer_symbol\name	with a tab past the first eight bytes
  00000024 4 func,g 0
MAP
"$TARNMAP" export sections --map odd.map
"$TARNMAP" export symbols --map odd.map
