# A component copied beside a faulty resource library (or none) shows why its initialise
# failed and leaves nothing registered; the real library in a copied folder passes. The lines
# that every failure repeats are shown for the first one only.
bin=$(dirname "$TARNMAP")
for fault in missing no_interface_version no_product_version no_ordinal_version no_type \
             wrong_type wrong_interface_version wrong_ordinal_version wrong_product_version \
             no_resource_table real; do
    echo "== $fault"
    rm -rf copy && mkdir copy && cp "$bin/libTarnMap.so" copy/
    case $fault in
        missing) ;;
        real) cp "$bin/libTarnMapExtRes.so" copy/ ;;
        *) cp "$bin/broken_resources/libTarnMapExtRes_$fault.so" copy/libTarnMapExtRes.so ;;
    esac
    "$TARNMAP" component-info --library "$WORK/copy/libTarnMap.so" 2>&1 |
        if [ $fault = missing ]; then cat; else grep -Ev '^(Library|Component|Version):|failed with'; fi
    echo "[exit ${PIPESTATUS[0]}]"
done
