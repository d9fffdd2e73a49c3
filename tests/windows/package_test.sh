#!/usr/bin/env bash
# The Windows deliverables of scripts/package-windows, each in a fresh Wine prefix with nothing of the
# build on the program's path, as a user gets them; judged by the files, shortcuts and registry keys
# they leave.
#   zip:       unpacked into a folder whose path holds spaces and Chinese characters, the program starts,
#              shows its window and exits cleanly, loading every shipped DLL and no other but Windows' own,
#              a native style among them, and does so again on Windows 11, light and dark, where Wine can
#              report it; it carries its icon and each version detail Explorer shows, and the licence of
#              each component it ships.
#   installer: the per-user installer (silent, /S), and
#   msi:       the per-machine MSI (msiexec /qn), each: an older version installed (the MSI into a
#              folder given with INSTALLDIR), then this one over it (the MSI without INSTALLDIR): one
#              "Installed apps" entry, of this version, exactly this version's files in that one folder, a
#              file the user put there kept, the Start menu shortcut, the program starts; the MSI's
#              repair line, as the docs give it, with the original MSI brings back a deleted program, the
#              shortcut and the sign-in step's registry values; the older one run again is refused and
#              changes nothing; the uninstall leaves nothing but the user's file: the MSI's, and the
#              per-user entry's quiet uninstall line, which returns once it is done.
#   older:     (no test) makes that older version in PACKAGE_DIR/older: a lower version whose file set
#              differs, as builds against other Qt versions differ in their style plugin's name.
# Usage: package_test.sh zip|installer|msi|older PACKAGE_DIR [WORK_DIR]
set -euo pipefail
mode=$1 package=$2 work=${3:-}
. "$(dirname "$0")/installed.sh"
smoke=("$here/../window/on_desktop.sh" "$here/../window/lenscalc_real_window.sh" smoke)

if [ "$mode" = older ]; then
    rm -rf "$package/older"
    mkdir -p "$package/older"
    cp -r "$staged" "$package/older/"
    for plugin in "$package/older/Lens Calculator"/styles/*.dll; do
        [ -f "$plugin" ] && mv "$plugin" "${plugin%.dll}older.dll"
    done
    "$repo/packaging/windows/pack" "$package/older/Lens Calculator" "$package/lenscalc-msi.dll" "$older_version" \
        "$package/older" >/dev/null
    exit 0
fi

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/wine WINEPATH=

if [ "$mode" = zip ]; then
    folder="$work/Lens 镜片 Calculator"
    mkdir -p "$folder"
    (cd "$folder" && cmake -E tar xf "$package"/LensCalculator-*-windows-x64.zip)
    program="$folder/Lens Calculator/lenscalc.exe"
    wrestool -l "$program" | grep -q -- '--type=14' || fail "lenscalc.exe carries no icon"
    # Each string of the version resource, as Explorer's Details tab lists it.
    details=$(wrestool -x --raw --type=16 "$program" | python3 -c '
import re, sys
text = sys.stdin.buffer.read().decode("utf-16-le", "replace")
for key, value in re.findall(r"(CompanyName|FileDescription|FileVersion|LegalCopyright|OriginalFilename|"
                             r"ProductName|ProductVersion)\x00+([^\x00]*)", text):
    print(f"{key}: {value}")')
    expected="CompanyName: $publisher
FileDescription: Lens workshop calculator
FileVersion: $version
LegalCopyright: Copyright 2026 $publisher
OriginalFilename: lenscalc.exe
ProductName: Lens Calculator
ProductVersion: $version"
    [ "$details" = "$expected" ] || fail "$(printf 'version details:\n%s\nexpected:\n%s' "$details" "$expected")"
    WINEDEBUG=+loaddll "${smoke[@]}" "$here/wine-run" --on-display "$program" 2>"$work/loaddll.log" ||
        fail "the unpacked program did not start and close cleanly: $(tail -n 5 "$work/loaddll.log")"
    # Wine's loader names each DLL it maps: "Loaded L"C:\\...\\Qt6Core.dll" at ...: native".
    loaded=$(sed -n 's/.*Loaded L"\(.*\.dll\)" at .*: native$/\1/ip' "$work/loaddll.log" | sed 's/.*\\\\//' |
        tr '[:upper:]' '[:lower:]' | sort -u)
    shipped=$(cd "$folder/Lens Calculator" && find . -name '*.dll' -printf '%f\n' | tr '[:upper:]' '[:lower:]' | sort)
    [ "$loaded" = "$shipped" ] || fail "$(printf 'loaded DLLs:\n%s\nshipped DLLs:\n%s' "$loaded" "$shipped")"
    # Without a style plugin Qt draws with its built-in style, the look of Windows 95.
    grep -q '^q.*style\.dll$' <<<"$loaded" || fail "the program draws in Qt's built-in style: it loads no style plugin"
    # Then in the same prefix set to Windows 11, light and dark, where this Wine can.
    on="Wine's default Windows"
    for windows in win11 win11-dark; do
        "${smoke[@]}" "$here/wine-run" --on-display --windows "$windows" "$program" >"$work/$windows.log" 2>&1 &&
            on+=", $windows" && continue
        [ $? -eq 77 ] || fail "the unpacked program did not start and close cleanly on $windows: $(tail -n 5 "$work/$windows.log")"
        grep -m 1 '^SKIP' "$work/$windows.log"
    done
    # Whoever passes the package on must pass each component's licence with it: every shipped DLL (or its
    # plugin folder) has its origin in sources.txt, and each licence text it names is there.
    licences=$folder/Lens\ Calculator/licences
    for dll in $(cd "$folder/Lens Calculator" && find . -name '*.dll' | sed 's|^\./||; s|/.*|/|' | sort -u); do
        grep -qF "$dll" "$licences/sources.txt" || fail "licences/sources.txt does not say where $dll comes from"
    done
    while IFS='|' read -r file phrase; do
        grep -qF "$phrase" "$licences/$file" 2>/dev/null || fail "licences/$file is missing or lacks \"$phrase\""
    done <<'LICENCES'
Lens Calculator.txt|Permission is hereby granted
LGPL-3.0-only.txt|GNU LESSER GENERAL PUBLIC LICENSE
GPL-3.0-only.txt|GNU GENERAL PUBLIC LICENSE
Qt copyright.txt|License: LGPL-3
GCC runtime copyright.txt|GCC RUNTIME LIBRARY EXCEPTION
MinGW-w64 copyright.txt|Files: mingw-w64-libraries/winpthreads/*
LICENCES
    echo "zip: starts from '$folder' on $on, loads exactly its $(wc -l <<<"$shipped") DLLs, a native style" \
        "among them, carries their licences"
    exit 0
fi

# The installer and the MSI differ only in these.
if [ "$mode" = installer ]; then
    new=$(echo "$package"/LensCalculator-*-setup.exe) old=$(echo "$package"/older/LensCalculator-*-setup.exe)
    wrestool -x --raw --type=24 "$new" | grep -q asInvoker || fail "the installer asks for administrator rights"
    install() { "$here/wine-run" "$1" /S; }
    install_older() { install "$old"; }
    # The entry's quiet uninstall line, as Windows' tools run it: it returns once it is done.
    uninstall() {
        "$here/wine-run" cmd /c "$(as_batch quiet-uninstall "$(registry_value user QuietUninstallString)")"
    }
    own_files=$user_own_files
    folder() { user_folder; }
    has_icon() { entries | grep -qF '"DisplayIcon"='; }
else
    new=$(echo "$package"/LensCalculator-*.msi) old=$(echo "$package"/older/LensCalculator-*.msi)
    install() { "$here/wine-run" msiexec /i "$1" /qn; }
    # Another folder than Program Files, given once: every later install takes it.
    install_older() {
        "$here/wine-run" cmd /c \
            "$(as_batch older "msiexec /i \"$(windows_path "$old")\" INSTALLDIR=\"C:\Tools\Lens Calculator\" /qn")"
    }
    uninstall() { "$here/wine-run" msiexec /x "$new" /qn; }
    own_files=$machine_own_files
    folder() { echo "$WINEPREFIX/drive_c/Tools/Lens Calculator"; }
    # Windows Installer keeps a product's icon with its registration, where "Installed apps" finds it.
    has_icon() { grep -q '^"ProductIcon"=.*lenscalc\.ico"$' "$WINEPREFIX/system.reg"; }
fi


install_older || fail "the older version did not install"
folder=$(folder)
entries | grep -qF "\"DisplayVersion\"=\"$older_version\"" || fail "the older version is not listed: $(entries)"
echo "a technician's own notes" >"$folder/notes.txt"

install "$new" || fail "this version did not install over the older one"
[ "$(entries | wc -l)" -eq 1 ] || fail "not one Installed apps entry: $(entries)"
for value in '"DisplayName"="Lens Calculator"' "\"DisplayVersion\"=\"$version\"" "\"Publisher\"=\"$publisher\"" \
    '"EstimatedSize"=dword:' '"UninstallString"='; do
    entries | grep -qF "$value" || fail "the Installed apps entry lacks $value: $(entries)"
done
installed=$(files_in "$folder")
expected=$(expected_files ./notes.txt "$own_files")
[ "$installed" = "$expected" ] ||
    fail "$(printf 'the install folder holds other files than this version and the user'"'"'s:\n%s' \
        "$(diff <(echo "$expected") <(echo "$installed") || true)")"
has_icon || fail "the Installed apps entry has no icon"
[ "$(shortcuts | wc -l)" -eq 1 ] || fail "not one Start menu shortcut: $(shortcuts)"
"${smoke[@]}" "$here/wine-run" --on-display "$folder/lenscalc.exe" || fail "the installed program did not run"

if [ "$mode" = msi ]; then
    [ ! -e "$(machine_folder)" ] || fail "the upgrade put files into Program Files too: $(files_in "$(machine_folder)")"
    entries | grep -qF '"InstallLocation"="C:\\Tools\\Lens Calculator\\"' ||
        fail "the Installed apps entry does not name the folder: $(entries)"
    # The repair line of the docs' table, with this MSI in place of its example's name.
    read -ra repair < <(sed -n 's/^| Repair | `\([^`]*\)`.*/\1/p' "$repo"/docs/*.md)
    [ "${repair[0]-}" = msiexec ] || fail "the docs give no msiexec line to repair the MSI"
    sign_in_key='Software\Microsoft\Active Setup\Installed Components\{0BD02F5B-DCEA-4841-9E24-BEB19F6288ED}'
    before=$(state "$folder"; key_values "$sign_in_key")
    [ -n "$(key_values "$sign_in_key")" ] || fail "no sign-in step is registered"
    rm "$folder/lenscalc.exe"
    find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Lens Calculator.lnk' -delete
    remove_key "$sign_in_key"
    [ -z "$(key_values "$sign_in_key")" ] || fail "the sign-in step's key could not be removed for the repair"
    "$here/wine-run" "${repair[@]/#LensCalculator-*-x64.msi/$new}" || fail "the repair line failed: ${repair[*]}"
    [ "$(state "$folder"; key_values "$sign_in_key")" = "$before" ] ||
        fail "$(printf 'the repair did not restore the install:\n%s' \
            "$(diff <(echo "$before") <(state "$folder"; key_values "$sign_in_key") || true)")"
fi

before=$(state "$folder")
! install "$old" || fail "the older version installed over this one without a word"
[ "$(state "$folder")" = "$before" ] || fail "the refused older version changed the install"

uninstall || fail "the uninstall failed"
[ "$(cd "$folder" && find . -mindepth 1)" = ./notes.txt ] ||
    fail "the uninstall removed the user's file or left others: $(cd "$folder" && find . -mindepth 1)"
rm -r "$folder"
# Windows Installer's cached copies of the package and its icon go too.
left=$(find "$WINEPREFIX/drive_c" \( -iname '*lens*calc*' -o -iname 'qt6*' -o -iname 'uninstall.exe' \
    -o -path '*/Temp/~nsu*' -type f -o -path '*/windows/Installer/?*' \) -print)
[ -z "$left" ] || fail "left after the uninstall: $left"
[ -z "$(entries)" ] && [ -z "$(shortcuts)" ] || fail "the Installed apps entry or the shortcut is left"
! grep -qi 'lenscalc\|Lens Calculator' "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" ||
    fail "registry keys are left: $(grep -i 'lenscalc\|Lens Calculator' "$WINEPREFIX"/*.reg)"
where="in place"
[ "$mode" = installer ] || where="in the folder given only to the older one, repaired by the docs' line"
echo "$mode: $older_version upgraded to $version $where, downgrade refused, uninstalled without a trace"
