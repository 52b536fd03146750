# Memory Resource Auto Allocate: the used ranges of the listing become resources inside the
# areas ("R" in on-chip ROM, "R/W" elsewhere), cut at area boundaries, and the description
# is written back with every other record kept.
. "$CASE_DIR/memory.sh"
allocate "cut at area boundaries; outside every area adds nothing" '[S|CPUTYPE|H8S/2600] [V|VERSION|1.00] [S|MAP|"0,FFFF,ROM,0,0 10000,1FFFF,XRAM,0,0"] [S|RESOURCE|]' 0-1FF FF00-100FF 20000-2FFFF
allocate "a covered range adds nothing" '[S|MAP|0,FFFF,ROM,0,0] [S|RESOURCE|"0,FFF,R"]' 100-1FF
allocate "a partly covered range adds the rest" '[S|MAP|0,FFFF,RAM,0,0] [S|RESOURCE|"100,1FF,R"]' 80-2FF
allocate "overlapping areas lose and repeat nothing" '[S|MAP|"0,FFF,ROM,0,0 800,17FF,RAM,0,0"]' 0-1FFF
allocate "the first area in description order decides the access" '[S|MAP|"800,17FF,RAM,0,0 0,FFF,ROM,0,0 0,1FFF,RAM,0,0"]' 0-1FFF
allocate "areas at both ends of the space" '[S|MAP|"0,FF,ROM,0,0 FFFFFF00,FFFFFFFF,RAM,0,0"]' 0-FFFFFFFF
allocate "records kept, map before resources" '[S|CPUTYPE|X] [FOO|bar] [V|VERSION|2] [S|RESOURCE|"0,F,R"] [S|MAP|"0,FF,ROM,0,0"] [ZZZ]' 10-1F
allocate "touching new resources join only with the same access" '[S|MAP|"0,FF,ROM,0,0 100,1FF,ROM,0,0 200,2FF,RAM,0,0"]' 0-FF 100-1FF 200-2FF
allocate "a record without closing bracket" '[V|VERSION|1] [S|MAP|"0,FF,ROM,0,0"' 0-F
allocate "text before the first bracket" 'junk text [S|MAP|0,FF,ROM,0,0] [S|RESOURCE|"0,F,R"]' 10-1F
allocate "an empty description" '' 10-1F
allocate "a second map record" '[S|MAP|0,FF,ROM,0,0] [S|RESOURCE|] [S|MAP|100,1FF,RAM,0,0]' 0-F
allocate "other and repeated records keep their order" '[X|ONE|a] [V|VERSION|1] [S|MAP|0,FF,ROM,0,0] [V|VERSION|2] [S|MAP|100,1FF,RAM,0,0] [S|CPUTYPE|A] [S|CPUTYPE|B] [s|map|200,2FF,RAM,0,0]' 0-F
allocate "unreadable resource items are kept" '[S|MAP|0,FF,ROM,0,0] [S|RESOURCE|"0,F,R 20,2F zz,3F,R/W"]' 10-1F
echo "== written back and allocated again, nothing changes"
cp w.tarnws before.tarnws
"$TARNMAP" allocate --workspace w.tarnws >/dev/null
diff before.tarnws w.tarnws && echo same
