#!/usr/bin/env bash
# One calculator on a PC, whichever way it came, and installs while it is open: the per-user installer
# (silent, /S) and the MSI (msiexec /qn) on one Wine prefix, on a desktop of its own (on_desktop.sh),
# judged by the files, entries and shortcuts they leave (installed.sh).
#   user-then-machine: the MSI over a per-user copy removes that copy (a file the user put in its
#              folder stays) and registers the step that removes other users' copies at their sign-in.
#   machine-then-user: the per-user installer over the MSI of any version (here the older one) says
#              so, exits with 6 and changes nothing.
#   open:      the per-user installer over its own running copy exits with 4 and changes nothing; the
#              MSI over an older MSI whose calculator is open closes it, replaces every file without a
#              restart (exit 0, nothing left for wineboot's restart) and leaves the running per-user copy
#              alone, which the sign-in step, run by hand as Wine has no sign-in, removes once closed,
#              and a second run of it finds nothing to do.
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
expect() {  # expect STATUS DESCRIPTION COMMAND...
    local status=0
    "${@:3}" >/dev/null 2>&1 || status=$?
    [ "$status" -eq "$1" ] || fail "$2: exit code $status, not $1"
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
sign_in_step() {  # Active Setup's command, as registered
    sed -n 's/^"StubPath"="\(.*RemovePerUserCopyAtSignIn\)"$/\1/p' "$WINEPREFIX/system.reg" | sed 's/\\\(.\)/\1/g'
}
# Runs that command with its command line as it stands, as Windows does at sign-in: from a batch file,
# since Wine would quote an argument passed from here anew.
sign_in() {
    printf '%s\r\n' "$(sign_in_step)" >"$work/sign-in.cmd"
    run cmd /c "Z:${work//\//\\}\\sign-in.cmd"
}

if [ "$mode" = user-then-machine ]; then
    expect 0 "the per-user installer" run "$setup" /S
    echo "a technician's own notes" >"$(user_folder)/notes.txt"
    expect 0 "the MSI over the per-user copy" run msiexec /i "$msi" /qn
    [ "$(files_in "$(user_folder)")" = ./notes.txt ] ||
        fail "the per-user copy was not removed, or its user's file with it: $(files_in "$(user_folder)")"
    one_machine_copy
    [[ $(sign_in_step) == \"*rundll32.exe\"\ \"*\\lenscalc-msi.dll\",RemovePerUserCopyAtSignIn ]] ||
        fail "no sign-in step is registered: '$(sign_in_step)'"
    grep -qFx "\"Version\"=\"${version//./,}\"" "$WINEPREFIX/system.reg" || fail "the sign-in step has no version"
    echo "$mode: the per-user copy removed, the user's file kept, one copy, entry and shortcut; sign-in step registered"
elif [ "$mode" = machine-then-user ]; then
    expect 0 "the older MSI" run msiexec /i "$old_msi" /qn
    before=$(both)
    expect 6 "the per-user installer over the machine install" run "$setup" /S
    [ "$(both)" = "$before" ] || fail "the refused per-user installer changed the PC"
    [ "$(entries | wc -l)" -eq 1 ] && [ "$(shortcuts)" = machine ] || fail "not one entry and shortcut"
    echo "$mode: the per-user installer refused with 6 over the $older_version machine install, nothing changed"
else
    expect 0 "the older per-user installer" run "$old_setup" /S
    open_calculator "$(user_folder)/lenscalc.exe"
    user_calculator=$calculator
    before=$(both)
    expect 4 "the per-user installer over its open copy" beside "$setup" /S
    [ "$(both)" = "$before" ] || fail "the per-user installer changed its open copy"

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
    echo "$mode: refused with 4 beside its open copy; the MSI closed its own open calculator, replaced" \
        "every file without a restart and left the per-user copy, which the sign-in step then removed"
fi
trap - EXIT
