# Reading the memory resource description: area kinds, resources, and the items left out.
. "$CASE_DIR/memory.sh"
show "two areas, no resources" '[S|CPUTYPE|H8S/2600] [V|VERSION|1.00] [S|MAP|"0,FFFF,ROM,0,0 10000,1FFFF,XRAM,0,0"] [S|RESOURCE|]'
show "kind words ignore case; unknown words are external" '[S|MAP|0,FF,rom,0,0 100,1FF,Flash,0,0 200,2FF,i/o,0,0 300,3FF,Reserve,x,y]'
show "items with the wrong field count are skipped" '[S|MAP|"0,FF,ROM,0,0 100,1FF,RAM,0 200,2FF,RAM,0,0,0"] [S|RESOURCE|"0,F,R 10,1F 20,2F,R/W,x 30,,3F,R/W"]'
show "an item whose address does not convert is skipped" '[S|MAP|"0,FF,ROM,0,0 G0,1FF,RAM,0,0 200,123456789,RAM,0,0 300,3FF,RAM,0,0"] [S|RESOURCE|"zz,F,R 10,1F,R/W"]'
show "areas come from every map record; a lower-case tag is none" '[X|ONE|a] [V|VERSION|1] [S|MAP|0,FF,ROM,0,0] [V|VERSION|2] [S|MAP|100,1FF,RAM,0,0] [S|CPUTYPE|A] [S|CPUTYPE|B] [s|map|200,2FF,RAM,0,0]'
