# The line rules of the symbol list, and the attribute and scope words.
. "$CASE_DIR/show.sh"
s='*** Symbol List ***\n'
for words in "FUNC G" "Data l" "entry L" "NoNe g" "function global" "dat gl"; do
    set -- $words
    show symbols "attribute $1, scope $2" "${s}  s\n  10 4 $1 , $2 0\n"
done
show symbols "the line after FILE= is skipped whatever it holds" "${s}FILE=a.obj\n  _skipped\n  _s\n  10 4 func ,g 0\n"
show symbols "the line after a line of blanks is skipped" "${s}  \t\n  _skipped\n  _s\n  10 4 func g 0\n"
show symbols "zero-length lines are not blank lines" "${s}\n  _s\n\n  10 4 func g 0\n"
show symbols "mixed path separators drop up to the last" "${s}FILE=C:\\\\a/b\\\\c/m.obj\n x\n  _s\n  1 1 data g 0\n"
show symbols "FILE= START END keeps the file" "${s}FILE=m.obj\n x\nFILE=   START   END   SIZE\n x\n  _s\n  1 1 data g 0\n"
show symbols "FILE= start end in lower case names a file" "${s}FILE=m.obj\n x\nFILE= start end\n x\n  _s\n  1 1 data g 0\n"
show symbols "an empty SECTION= keeps the section" "${s}SECTION=P\nSECTION=  \n  _s\n  1 1 data g 0\n"
show symbols "a lower-case section= is a name line" "${s}SECTION=P\nsection=Q\n  1 1 data g 0\n"
show symbols "SECTION= and FILE= keep a pending name" "${s}  _s\nSECTION=Q\nFILE=f.obj\n x\n  1 1 data g 0\n"
show symbols "commas and spaces split the values" "${s}  _s\n1,1,,data , g,0\n"
show symbols "four value words drop the symbol and its name" "${s}  _a\n  1 1 data g\n  _b\n  2 2 data g 0\n"
show symbols "values that are no numbers read as 0" "${s}  _s\n  ZZ 100000000 data g 0\n"
show symbols "values far along a long line" "${s}  _s\n  10 4 data g                                                          0\n  _t\n                                                              20 8 func l 1\n"
show symbols "a sixth word far along a long line drops the symbol" "${s}  _s\n  10 4 data g 0                                                                      9\n  _t\n  2 2 data g 0\n"
show symbols "six value words drop the symbol and its name" "${s}  _a\n  1 1 data g 0 9\n  _b\n  2 2 data g 0\n"
