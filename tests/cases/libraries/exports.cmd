# Each library exports its entry points and nothing else of its own: helpers stay hidden, so
# a loader cannot bind to them. Instances of standard library templates keep the visibility
# the standard library gives them and are left out.
for library in libTarnMap.so libTarnMapExtRes.so; do
    echo "$library:"
    nm -D --defined-only "$(dirname "$TARNMAP")/$library" | awk '{ print "  " $3 }' |
        grep -vE '^  (_ZSt|_ZNSt|_ZNKSt|_ZN9__gnu_cxx|_ZNK9__gnu_cxx)'
done
