# The texts that repeat from row to row (attribute, scope, section, file) come out escaped in
# every row that has them, each as itself: texts that differ only in a byte to escape, texts
# of about 32 bytes once escaped, a section or file that comes back after others, in the
# order of the listing, sorted, and of one section.
printf '%b\n' '*** Mapping List ***' 'SECTION START END SIZE' \
    'S\\1' '  00000010 0000001F 10 1' 'S\t1' '  00000020 0000002F 10 1' \
    'S1' '  00000030 0000003F 10 1' 'long_section_name_with_a\ttab_in_it' '  00000040 0000004F 10 1' \
    '*** Symbol List ***' \
    'SECTION=S\\1' 'FILE=a\tb.obj' '  0 0 0' 'a' '  00000010 4 func,g 0' \
    'FILE=a\rb.obj' '  0 0 0' 'b' '  00000014 4 data,l 0' \
    'FILE=file_name_of_thirty-two_bytes.ob' '  0 0 0' 'c' '  00000018 4 odd\\word,sc\tope 0' \
    'FILE=file\tname_of_thirty-one_bytes.o' '  0 0 0' 'd' '  0000001C 4 odd\\word,sc\tope 0' \
    'SECTION=S\t1' 'FILE=a\tb.obj' '  0 0 0' 'e' '  00000020 4 func,g 0' \
    'FILE=file_name_of_thirty-three_bytes.o' '  0 0 0' 'f' '  00000024 4 odd_word,sc_ope 0' \
    'SECTION=S1' 'FILE=ab.obj' '  0 0 0' 'g' '  00000030 4 func,g 0' \
    'SECTION=long_section_name_with_a\ttab_in_it' 'FILE=file_name_of_thirty-three_bytes.o' \
    '  0 0 0' 'h' '  00000040 4 data,g 0' \
    'SECTION=S\\1' 'FILE=a\tb.obj' '  0 0 0' 'i' '  00000034 4 func,g 0' >odd.map
"$TARNMAP" export symbols --map odd.map
"$TARNMAP" export symbols --map odd.map --sort 6:desc
"$TARNMAP" export symbols --map odd.map --section 'S\1'
