#!/usr/bin/env bash
# The Windows deliverables of scripts/package-windows, each in a fresh Wine prefix with nothing of the
# build on the program's path, as a user gets them.
#   zip:       unpacked into a folder whose path holds spaces and Chinese characters, the program starts,
#              shows its window and exits cleanly, loading every shipped DLL and no other but Windows' own;
#              it carries its icon and version details.
#   installer: a silent install (/S) for the current user makes the program, its Start menu shortcut and
#              its "Apps & features" entry; the installed program starts; a silent uninstall leaves none
#              of its files, shortcut or registry keys.
# Usage: package_test.sh zip|installer PACKAGE_DIR WORK_DIR
set -euo pipefail
mode=$1 package=$2 work=$3
here=$(dirname "$(realpath "$0")")
smoke=("$here/../window/on_desktop.sh" "$here/../window/lenscalc_real_window.sh" smoke)

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/wine WINEPATH=
fail() { echo "$mode: $*"; exit 1; }
users() { find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public; }
# The registry as Wine writes it to disk once its server has ended (wine-run waits for that).
uninstall_key() { grep -A12 -F '[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LensCalculator]' "$WINEPREFIX/user.reg"; }

if [ "$mode" = zip ]; then
    folder="$work/Lens 镜片 Calculator"
    mkdir -p "$folder"
    (cd "$folder" && cmake -E tar xf "$package"/LensCalculator-*-windows-x64.zip)
    program="$folder/Lens Calculator/lenscalc.exe"
    wrestool -l "$program" | grep -q -- '--type=14' || fail "lenscalc.exe carries no icon"
    wrestool -x --raw --type=16 "$program" | iconv -f UTF-16LE -t UTF-8 -c | grep -q 'Lens Calculator' ||
        fail "lenscalc.exe carries no version details"
    WINEDEBUG=+loaddll "${smoke[@]}" "$here/wine-run" --on-display "$program" 2>"$work/loaddll.log" ||
        fail "the unpacked program did not start and close cleanly: $(tail -n 5 "$work/loaddll.log")"
    # Wine's loader names each DLL it maps: "Loaded L"C:\\...\\Qt6Core.dll" at ...: native".
    loaded=$(sed -n 's/.*Loaded L"\(.*\.dll\)" at .*: native$/\1/ip' "$work/loaddll.log" | sed 's/.*\\\\//' |
        tr '[:upper:]' '[:lower:]' | sort -u)
    shipped=$(cd "$folder/Lens Calculator" && find . -name '*.dll' -printf '%f\n' | tr '[:upper:]' '[:lower:]' | sort)
    [ "$loaded" = "$shipped" ] || fail "$(printf 'loaded DLLs:\n%s\nshipped DLLs:\n%s' "$loaded" "$shipped")"
    echo "zip: starts from '$folder', loads exactly its $(wc -l <<<"$shipped") DLLs"
    exit 0
fi

installer=$(echo "$package"/LensCalculator-*-setup.exe)
wrestool -x --raw --type=24 "$installer" | grep -q asInvoker || fail "the installer asks for administrator rights"
"$here/wine-run" "$installer" /S
folder=$(users)/AppData/Local/Programs/Lens\ Calculator
shortcut=$(users)/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Lens\ Calculator.lnk
[ -f "$folder/lenscalc.exe" ] && [ -f "$folder/Uninstall.exe" ] || fail "nothing installed in $folder"
[ -f "$shortcut" ] || fail "no Start menu shortcut"
for value in '"DisplayName"="Lens Calculator"' '"DisplayVersion"="' '"Publisher"="' '"DisplayIcon"=' \
    '"UninstallString"=' '"QuietUninstallString"=' '"EstimatedSize"=dword:'; do
    uninstall_key | grep -qF "$value" || fail "the Apps & features entry lacks $value"
done
"${smoke[@]}" "$here/wine-run" --on-display "$folder/lenscalc.exe" || fail "the installed program did not run"

"$here/wine-run" "$folder/Uninstall.exe" /S
# Like every NSIS uninstaller, it runs from a copy in the user's Temp folder, which Windows deletes at
# its next start; so does wineboot's restart.
"$here/wine-run" wineboot --restart
left=$(find "$WINEPREFIX/drive_c" \( -iname '*lens*calc*' -o -iname 'qt6*' -o -iname 'uninstall.exe' \
    -o -path '*/Temp/~nsu*' -type f \) -print)
[ -z "$left" ] || fail "left after the uninstall: $left"
! uninstall_key >/dev/null || fail "the Apps & features entry is left"
! grep -qi 'lenscalc\|Lens Calculator' "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" ||
    fail "registry keys are left: $(grep -i 'lenscalc\|Lens Calculator' "$WINEPREFIX"/*.reg)"
echo "installer: installed, started, entry listed, uninstalled without a trace"
