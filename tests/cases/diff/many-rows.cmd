# Thousands of symbol rows, checked against the same diff worked out in Python: long runs of
# equal difference ordered by names that share their first 16 bytes or begin one another.
python3 "$CASE_DIR/many-rows-order.py" "$TARNMAP"
