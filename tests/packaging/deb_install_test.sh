#!/usr/bin/env bash
# Takes the Debian package scripts/package built, unpacks it into a scratch root as dpkg would install
# it, checks its dependencies, desktop integration and documents, and starts the installed program
# on a desktop of its own, shows its window and closes cleanly. Usage: deb_install_test.sh PACKAGE_DIR SCRATCH_DIR
set -euo pipefail
package_dir=$1 scratch=$2

for tool in dpkg-deb appstreamcli man; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }

debs=("$package_dir"/lenscalc_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "no package in $package_dir"
rm -rf "$scratch"
mkdir -p "$scratch"

depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "Depends misses the shared libraries: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
[ "$recommends" = fonts-arphic-uming ] || fail "Recommends is '$recommends'"

root=$scratch/root
dpkg -x "$deb" "$root"
"$(dirname "$0")/appstream_validate.sh" validate-tree "$root"
desktop=$(find "$root/usr/share/applications" -name '*.desktop')
exec=$(sed -n 's/^Exec=//p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
program=$root/usr/bin/$exec
[ -x "$program" ] || fail "the desktop entry starts '$exec', which the package does not install in /usr/bin"
for file in scalable/apps/$icon.svg 256x256/apps/$icon.png; do
    [ -f "$root/usr/share/icons/hicolor/$file" ] || fail "the package lacks the icon hicolor/$file"
done

doc=$root/usr/share/doc/lenscalc
for file in "$doc/copyright" "$doc/changelog.gz" "$root/usr/share/man/man1/lenscalc.1.gz"; do
    [ -f "$file" ] || fail "the package lacks ${file#"$root"}"
done
# The copyright file's Expat paragraph is the licence text, word for word as in LICENSE.
licence=$(sed -n '/^License: Expat$/,/^$/s/^ //p' "$doc/copyright" | sed 's/^\.$//')
[ "$licence" = "$(sed -n '/^Permission/,$p' "$(dirname "$0")/../../LICENSE")" ] ||
    fail "the copyright file's licence text differs from LICENSE"
gzip -t "$doc/changelog.gz" || fail "changelog.gz is not gzip data"
# groff's warnings go to standard error while the page itself renders.
MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/lenscalc.1.gz" \
    >"$scratch/man.txt" 2>"$scratch/man.err" || fail "man -l cannot render the page"
[ ! -s "$scratch/man.err" ] || { cat "$scratch/man.err"; fail "man -l warns about the page"; }
grep -q '^NAME' "$scratch/man.txt" || fail "the rendered page has no NAME section"

# On a desktop of the test's own, so that neither the machine's display and bus nor their lack plays a part.
window=$(dirname "$0")/../window
QT_QPA_PLATFORM=xcb "$window/on_desktop.sh" "$window/lenscalc_real_window.sh" smoke "$program" ||
    fail "the installed program did not show its window and close cleanly"
echo "the package installs and its program shows its window"
