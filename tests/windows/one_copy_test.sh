#!/usr/bin/env bash
# One calculator on a PC, whichever way it came, installs while it is open, and where neither installer
# goes: the per-user installer (silent, /S) and the MSI (msiexec /qn) on one Wine prefix, on a desktop
# of its own (on_desktop.sh), judged by the files, entries and shortcuts they leave (installed.sh).
#   user-then-machine: on Windows 7 and 8.1 (winecfg /v) and on an ARM64 PC (as its registry names
#              its processor) each installer refuses (7, 1603) and changes nothing; then on Windows 11
#              (10 where Wine knows no 11) the MSI over a per-user copy removes that copy (a file the
#              user put in its folder stays) and registers the step that removes other users' copies at
#              their sign-in.
#   machine-then-user: the per-user installer over the MSI of any version (here the older one) says
#              so, exits with 6 and changes nothing. Then this version's MSI fails part way, at a folder
#              where one of its files goes: 1603 and nothing of it left; where the older version's
#              removal stands in its sequence decides whether Windows Installer's rollback brings that
#              back, which Wine's does not (it removes the older version in a separate run), so the
#              order is read from the package. With the folder gone it installs.
#   open:      the per-user installer, and its entry's quiet uninstall line, over its own running copy
#              exit with 4 and change nothing; the MSI over an older MSI whose calculator is open closes
#              it, replaces every file without a restart (exit 0, nothing left for wineboot's restart)
#              and leaves the running per-user copy alone, which the sign-in step, run by hand as Wine
#              has no sign-in, removes once closed, and a second run of it finds nothing to do.
# Usage: one_copy_test.sh user-then-machine|machine-then-user|open PACKAGE_DIR WORK_DIR
set -euo pipefail
mode=$1 package=$2 work=$3
if [[ ${ON_DESKTOP-} != 1 ]]; then
    ON_DESKTOP=1 exec "$(dirname "$0")/../window/on_desktop.sh" "$0" "$@"
fi
. "$(dirname "$0")/installed.sh"
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/wine WINEPATH=

setup=$(echo "$package"/LensCalculator-*-setup.exe) old_setup=$(echo "$package"/older/LensCalculator-*-setup.exe)
msi=$(echo "$package"/LensCalculator-*.msi) old_msi=$(echo "$package"/older/LensCalculator-*.msi)
run() { "$here/wine-run" --on-display "$@"; }
# While a calculator is open, as a second program beside it.
beside() { "$here/wine-run" --on-display --beside "$@"; }
# A failing step may leave a calculator open: a plain run ends every Wine process of the prefix first.
trap 'run wineboot --shutdown >/dev/null 2>&1' EXIT
both() { state "$(user_folder)" "$(machine_folder)"; }
expect() {  # expect STATUS DESCRIPTION COMMAND...; Wine hands on an exit code's lowest 8 bits
    local status=0
    "${@:3}" >/dev/null 2>&1 || status=$?
    [ "$status" -eq $(($1 % 256)) ] || fail "$2: exit code $status, not $1 (seen as $(($1 % 256)))"
}
one_machine_copy() {
    [ "$(files_in "$(machine_folder)")" = "$(expected_files "$machine_own_files")" ] ||
        fail "the machine install holds other files than this version's: $(files_in "$(machine_folder)")"
    [ "$(entries | wc -l)" -eq 1 ] && entries | grep -qF "\"DisplayVersion\"=\"$version\"" ||
        fail "not one Installed apps entry, of $version: $(entries)"
    [ "$(shortcuts)" = machine ] || fail "not one Start menu shortcut, the machine's: $(shortcuts)"
}
# The window manager's list: it has every calculator's window, where it shows only the newest.
windows() { wmctrl -l | grep -c ' Lens Calculator$' || true; }
open_calculator() {  # open_calculator PROGRAM: started beside the rest; its pid in $calculator
    local before deadline=$((SECONDS + 60))
    before=$(windows)
    beside "$1" >/dev/null 2>&1 &
    calculator=$!
    until [ "$(windows)" -gt "$before" ]; do
        ((SECONDS < deadline)) || fail "no calculator window from $1"
        sleep 0.2
    done
}
sign_in_step() { registry_value system StubPath RemovePerUserCopyAtSignIn; }  # Active Setup's command
sign_in() { run cmd /c "$(as_batch sign-in "$(sign_in_step)")"; }  # as Windows runs it at sign-in
# Both installers on Windows 7, 8.1 and 10 as winecfg sets it, and on an ARM64 PC as its registry names
# its processor (for that session only: Wine's start writes its own), in one Wine session: a line
# "WINDOWS INSTALLER EXIT_CODE" each, the codes whole; then winecfg's exit code for win11, which Wine 8
# does not know.
on_each_windows() {
    local environment='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment' lines=("@echo off")
    both_on() {
        lines+=("\"$(windows_path "$setup")\" /S" "echo $1 per-user %errorlevel%"
            "msiexec /i \"$(windows_path "$msi")\" /qn" "echo $1 MSI %errorlevel%")
    }
    lines+=("winecfg /v win7") && both_on win7
    lines+=("winecfg /v win81") && both_on win81
    lines+=("winecfg /v win10" "reg add \"$environment\" /v PROCESSOR_ARCHITECTURE /d ARM64 /f >nul") &&
        both_on ARM64
    # The codes are in the lines; the batch itself succeeds also where winecfg knows no win11.
    lines+=("reg add \"$environment\" /v PROCESSOR_ARCHITECTURE /d AMD64 /f >nul" "winecfg /v win11"
        "echo win11 %errorlevel%" "exit /b 0")
    run cmd /c "$(as_batch windows "${lines[@]}")"
}

if [ "$mode" = user-then-machine ]; then
    codes=$(on_each_windows 2>/dev/null | grep -E '^(win|ARM)')
    refusals=$(grep -v '^win11 ' <<<"$codes")
    expected=$(printf '%s per-user 7\n%s MSI 1603\n' win7 win7 win81 win81 ARM64 ARM64)
    [ "$refusals" = "$expected" ] || fail "$(printf 'not refused on unsupported Windows:\n%s' "$refusals")"
    [ -z "$(both)" ] || fail "a refused installer changed the PC: $(both)"
    windows=win11
    grep -qx 'win11 0' <<<"$codes" || windows="win10 (this Wine knows no win11: that row skipped)"
    expect 0 "the per-user installer on $windows" run "$setup" /S
    echo "a technician's own notes" >"$(user_folder)/notes.txt"
    expect 0 "the MSI over the per-user copy" run msiexec /i "$msi" /qn
    [ "$(files_in "$(user_folder)")" = ./notes.txt ] ||
        fail "the per-user copy was not removed, or its user's file with it: $(files_in "$(user_folder)")"
    one_machine_copy
    [[ $(sign_in_step) == \"*rundll32.exe\"\ \"*\\lenscalc-msi.dll\",RemovePerUserCopyAtSignIn ]] ||
        fail "no sign-in step is registered: '$(sign_in_step)'"
    grep -qFx "\"Version\"=\"${version//./,}\"" "$WINEPREFIX/system.reg" || fail "the sign-in step has no version"
    echo "$mode: both refused on win7, win81 and ARM64; on $windows the per-user copy removed, the user's file" \
        "kept, one copy, entry and shortcut; sign-in step registered"
elif [ "$mode" = machine-then-user ]; then
    expect 0 "the older MSI" run msiexec /i "$old_msi" /qn
    before=$(both)
    expect 6 "the per-user installer over the machine install" run "$setup" /S
    [ "$(both)" = "$before" ] || fail "the refused per-user installer changed the PC"
    [ "$(entries | wc -l)" -eq 1 ] && [ "$(shortcuts)" = machine ] || fail "not one entry and shortcut"

    # The older version's removal is part of this version's transaction: right after InstallInitialize,
    # before this version changes anything.
    after_initialize=$(msiinfo export "$msi" InstallExecuteSequence | awk -F '\t' 'NR > 3 { print $3, $1 }' |
        sort -n | awk 'found { print $2; exit } $2 == "InstallInitialize" { found = 1 }')
    [ "$after_initialize" = RemoveExistingProducts ] ||
        fail "the MSI's first step after InstallInitialize is $after_initialize, not the older version's removal"
    older_files=$(files_in "$package/older/Lens Calculator")
    in_the_way=$(comm -23 <(files_in "$staged") <(echo "$older_files") | head -n 1)
    [ -n "$in_the_way" ] || fail "this version has no file the older one lacks"
    mkdir -p "$(machine_folder)/$in_the_way"
    touch "$(machine_folder)/$in_the_way/in the way"
    expect 1603 "this version over a folder where its ${in_the_way#./} goes" run msiexec /i "$msi" /qn
    ! entries | grep -qF "\"DisplayVersion\"=\"$version\"" || fail "the failed install left its entry: $(entries)"
    left=$(comm -23 <(files_in "$(machine_folder)") <({ echo "$older_files"; echo "$in_the_way/in the way"; } | sort))
    [ -z "$left" ] || fail "the failed install left files of its own: $left"
    rm -r "$(machine_folder)/$in_the_way"
    expect 0 "this version, with the folder gone" run msiexec /i "$msi" /qn
    one_machine_copy
    echo "$mode: the per-user installer refused with 6 over the $older_version machine install, nothing changed;" \
        "this version failing at ${in_the_way#./} left nothing of its own (1603), then installed"
else
    expect 0 "the older per-user installer" run "$old_setup" /S
    open_calculator "$(user_folder)/lenscalc.exe"
    user_calculator=$calculator
    before=$(both)
    expect 4 "the per-user installer over its open copy" beside "$setup" /S
    expect 4 "the quiet uninstall line over its open copy" \
        beside cmd /c "$(as_batch quiet-uninstall "$(registry_value user QuietUninstallString)")"
    [ "$(both)" = "$before" ] || fail "the per-user installer or uninstaller changed its open copy"

    expect 0 "the older MSI" beside msiexec /i "$old_msi" /qn
    open_calculator "$(machine_folder)/lenscalc.exe"
    expect 0 "the MSI over its open older version" beside msiexec /i "$msi" /qn
    timeout 30 tail --pid "$calculator" -f /dev/null || fail "the MSI left the machine's calculator open"
    kill -0 "$user_calculator" 2>/dev/null || fail "the MSI closed the per-user copy's calculator too"
    wmctrl -c "Lens Calculator"
    timeout 30 tail --pid "$user_calculator" -f /dev/null || fail "the per-user calculator did not close"
    run wineboot --restart
    [ "$(files_in "$(machine_folder)")" = "$(expected_files "$machine_own_files")" ] ||
        fail "after a restart the machine install holds other files than this version's:" \
            "$(files_in "$(machine_folder)")"
    [ "$(entries | grep -c "\"DisplayVersion\"=\"$older_version\"")" -eq 1 ] ||
        fail "not the one per-user entry, open while the MSI ran, of $older_version: $(entries)"

    sign_in
    [ -z "$(files_in "$(user_folder)" 2>/dev/null)" ] || fail "the sign-in step left the per-user copy"
    # Its uninstaller removes the user's shortcut, the file Wine shares with the machine's.
    [ "$(entries | wc -l)" -eq 1 ] && [ "$(shortcuts | grep -c user)" -eq 0 ] ||
        fail "the per-user entry or shortcut is left: $(entries) $(shortcuts)"
    before=$(both)
    sign_in
    [ "$(both)" = "$before" ] || fail "the sign-in step's second run changed the PC"
    echo "$mode: installer and uninstaller refused with 4 beside its open copy; the MSI closed its own open" \
        "calculator, replaced every file without a restart and left the per-user copy, which the sign-in step" \
        "then removed"
fi
trap - EXIT
