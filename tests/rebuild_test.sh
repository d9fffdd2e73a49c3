#!/usr/bin/env bash
# Builds the packages again with COMMAND into SECOND_DIR and compares them byte for byte with those
# already in FIRST_DIR (every .deb, .zip, .exe and .msi there): one commit must give one set of bytes,
# or nobody can check that a download is what was built. diffoscope shows what differs.
# Usage: rebuild_test.sh FIRST_DIR SECOND_DIR COMMAND...
set -euo pipefail
first=$1 second=$2
shift 2
rm -rf "$second"
"$@" >"$second.log" 2>&1 || { cat "$second.log"; echo "FAIL: the second build failed"; exit 1; }

status=0 compared=0
for package in "$first"/*.deb "$first"/*.zip "$first"/*.exe "$first"/*.msi; do
    [ -f "$package" ] || continue
    compared=$((compared + 1))
    again=$second/${package##*/}
    if ! cmp -s "$package" "$again"; then
        echo "FAIL: ${package##*/} differs from its rebuild"
        diffoscope --text - "$package" "$again" | head -n 150 || true
        status=1
    fi
done
[ "$compared" -gt 0 ] || { echo "FAIL: no packages in $first"; exit 1; }
[ "$status" -eq 0 ] && echo "$compared packages rebuilt byte for byte"
exit "$status"
