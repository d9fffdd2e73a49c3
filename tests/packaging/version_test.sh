#!/usr/bin/env bash
# scripts/version on this checkout, then on copies where one of the four places states another
# version, or one of the three that date the release another date: each must be refused, naming it, or a
# release would ship two versions under one name, or one version with two release dates.
# Usage: version_test.sh SCRATCH_DIR
set -euo pipefail
scratch=$1
repo=$(realpath "$(dirname "$0")/../..")
fail() { echo "FAIL: $*"; exit 1; }

version=$("$repo/scripts/version") || fail "scripts/version refuses this checkout"
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "the version is '$version', not three numbers"

# file | how its version or date is changed | what the refusal names
cases="CMakeLists.txt|s/^project(LensCalculator VERSION [0-9.]*/project(LensCalculator VERSION 9.9.9/|CMakeLists.txt '9.9.9'
packaging/changelog|1s/^lenscalc ([^)]*)/lenscalc (9.9.9)/|changelog '9.9.9'
packaging/org.lenscalc.LensCalculator.metainfo.xml|0,/<release version=\"[^\"]*\"/s//<release version=\"9.9.9\"/|metainfo '9.9.9'
packaging/lenscalc.1|1s/\"lenscalc [^\"]*\"/\"lenscalc 9.9.9\"/|lenscalc.1 '9.9.9'
packaging/changelog|0,/^ -- /s/>  [A-Z][a-z]*, [0-9]* [A-Z][a-z]* [0-9]*/>  Tue, 01 Jan 2030/|changelog '2030-01-01'
packaging/org.lenscalc.LensCalculator.metainfo.xml|0,/<release [^>]*date=/s/date=\"[^\"]*\"/date=\"2030-01-01\"/|metainfo '2030-01-01'
packaging/lenscalc.1|1s/^\(\.TH [^ ]* [^ ]* \)[^ ]*/\12030-01-01/|lenscalc.1 '2030-01-01'"
while IFS='|' read -r file edit named; do
    rm -rf "$scratch"
    mkdir -p "$scratch/packaging"
    cp "$repo/CMakeLists.txt" "$scratch/"
    cp "$repo/packaging/changelog" "$repo/packaging/org.lenscalc.LensCalculator.metainfo.xml" "$repo/packaging/lenscalc.1" \
        "$scratch/packaging/"
    sed -i "$edit" "$scratch/$file"
    cmp -s "$repo/$file" "$scratch/$file" && fail "the test's edit left $file as it was"
    if message=$("$repo/scripts/version" "$scratch" 2>&1); then
        fail "another version or date in $file passed as '$message'"
    fi
    [[ $message == *"$named"* ]] || fail "another version or date in $file was refused without naming it: $message"
done <<<"$cases"
echo "version $version agrees in all four places, its date in all three; a disagreement in any is refused"
