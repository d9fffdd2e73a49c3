#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root as dpkg would install it, checks its
# dependencies and desktop integration, and starts the installed program under Xvfb until its window
# shows. Usage: deb_install_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1 scratch=$2

for tool in cpack dpkg-deb dpkg-shlibdeps appstreamcli xvfb-run xwininfo; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
debs=("$scratch"/lenscalc_*.deb)
deb=${debs[0]}

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

XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR QT_QPA_PLATFORM=xcb
# shellcheck disable=SC2016 # expanded by the inner shell
xvfb-run -a bash -c '
    "$1" & pid=$!
    for _ in $(seq 100); do
        if xwininfo -root -tree | grep -q "\"Lens Calculator\""; then
            kill "$pid"
            exit 0
        fi
        kill -0 "$pid" 2>/dev/null || { echo "FAIL: the installed program ended before showing its window"; exit 1; }
        sleep 0.1
    done
    kill "$pid"
    echo "FAIL: no window \"Lens Calculator\" within 10 s"
    exit 1' _ "$program"
echo "the package installs and its program shows its window"
