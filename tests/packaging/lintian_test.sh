#!/usr/bin/env bash
# Builds the Debian package and runs lintian on it: no error, no warning, and only the infos named
# below. Usage: lintian_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1 scratch=$2
for tool in cpack lintian; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
# Infos accepted, each with why.
allowed=(
    # cpack strips with plain strip, which keeps the compiler's .comment note.
    binary-has-unneeded-section
    # The package is still packed from the developer build, which links without bind-now.
    hardening-no-bindnow
)
rm -rf "$scratch" && mkdir -p "$scratch"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; echo "FAIL: cpack could not build the package"; exit 1; }
out=$(lintian -I "$scratch"/lenscalc_*.deb 2>&1 | grep -v 'root privileges' || true)
echo "$out"
bad=$(grep -E '^[EW]: ' <<<"$out" || true)
[ -z "$bad" ] || { echo "FAIL: lintian errors or warnings"; exit 1; }
while read -r kind _ tag _; do
    [ "$kind" = I: ] || continue
    [[ " ${allowed[*]} " == *" $tag "* ]] || { echo "FAIL: info $tag is not named in the test"; exit 1; }
done <<<"$out"
