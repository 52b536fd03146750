# The mapping list needs its upper-case header and four value words per section.
. "$CASE_DIR/show.sh"
m='*** Mapping List ***\n'
show sections "header is upper case only" "${m}section start\nA\n 0 F 10 1\nSECTION\nB\n 0 F 10 1\n"
show sections "lines before the header are ignored" "${m}A\n 0 F 10 1\nSECTION  START\nB\n 0 F 10 1\n"
show sections "the header must open the line" "${m} x SECTION\nSECTION\nB\n 0 F 10 1\n"
show sections "blank lines between name and values" "${m}SECTION\n\n  B  \n \t \n 0 F 10 1\n"
show sections "three words drop the section and its name" "${m}SECTION\nA\n 0 F 10\nB\n 0 F 10 1\n"
show sections "a tab is not a word separator" "${m}SECTION\nA\n 0\tF 10 1\nB\n 0 F 10 1\n"
show sections "a name at the end adds nothing" "${m}SECTION\nB\n 0 F 10 1\nLAST\n"
show sections "a name just before a marker adds nothing" "${m}SECTION\nB\n 0 F 10 1\nLAST\n*** Symbol List ***\n"
show sections "values that are no numbers read as 0" "${m}SECTION\nB\n 10 1F ZZ 1\n"
show sections "out-of-range values read as 0" "${m}SECTION\nB\n 100000000 1F 10 1\n"
show sections "an empty mapping list gives no rows at all" "${m}SECTION  START\n"
show sections "options give overlays of parsed sections only" '*** Options ***\n  -start=A:B,C/0,(D:A)/100\n-START=Q:A/0\n*** Mapping List ***\nSECTION\nA\n 0 F 10 1\nB\n 0 7 8 1\nA\n 10 1F 10 1\n*** Options ***\n-start=E:B/0\n'
