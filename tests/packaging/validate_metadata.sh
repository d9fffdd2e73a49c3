#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, and checks that the raster icon has the size
# of its hicolor folder. (That the metainfo's newest release is the version built, version_test.sh checks.)
# Usage: validate_metadata.sh PACKAGING_DIR
set -euo pipefail
dir=$1
id=org.lenscalc.LensCalculator

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

desktop-file-validate "$dir/$id.desktop"
"$(dirname "$0")/appstream_validate.sh" validate "$dir/$id.metainfo.xml"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
size=$(od -An -tu1 -j16 -N8 "$dir/$id.png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
[ "$size" = 256x256 ] || { echo "FAIL: $id.png is $size, its folder is 256x256"; exit 1; }

echo "desktop entry, metainfo and icon are valid"
