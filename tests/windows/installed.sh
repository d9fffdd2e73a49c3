# What the Windows packages leave in a Wine prefix, read as a user or IT sees it: the install folders,
# the "Installed apps" entries and the Start menu shortcuts. Sourced by the package tests, which set
# mode, package (scripts/package-windows' folder) and WINEPREFIX first. The registry is read as Wine
# writes it to disk once its server has ended (wine-run waits for that).
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
repo=$(realpath "$here/../..")
staged=$package/Lens\ Calculator
version=$("$repo/scripts/version")
publisher=$(sed -n 's/^set(vendor "\([^"]*\)").*/\1/p' "$repo/CMakeLists.txt")
older_version=0.9.0
fail() { echo "$mode: $*"; exit 1; }

user_folder() {
    echo "$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public)/AppData/Local/Programs/Lens Calculator"
}
machine_folder() { echo "$WINEPREFIX/drive_c/Program Files/Lens Calculator"; }
# The files each installer adds to the staged ones.
user_own_files=./Uninstall.exe
machine_own_files=./lenscalc-msi.dll

# The "Installed apps" entries named Lens Calculator, a line each: the key, then its values.
entries() {
    awk '/^\[/ { key = $1 } /^"/ { values[key] = values[key] " " $0 }
        /^"DisplayName"="Lens Calculator"$/ && key ~ /CurrentVersion\\\\Uninstall\\\\/ { named[key] = 1 }
        END { for (key in named) print key values[key] }' "$WINEPREFIX"/user.reg "$WINEPREFIX"/system.reg
}
# Wine writes the user's and the all-users shortcut of one name to one file, so a shortcut is told
# apart by the folder it starts the calculator from: a line each, "user" or "machine".
shortcuts() {
    find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Lens Calculator.lnk' -print0 |
        xargs -0 -r -n 1 sh -c 'if grep -aq "Program Files" "$0"; then echo machine; else echo user; fi'
}
# What an install left, to compare before and after a step: the files of the given folders (those that
# exist) with their sizes and times, the shortcuts and the entries.
state() {
    local place
    for place in "$@"; do
        [ ! -d "$place" ] || (cd "$place" && find . -type f -printf '%p %s %T@\n' | sort)
    done
    shortcuts
    entries
}
# The files of a folder, relative, sorted; those of the staged program with the given own files.
files_in() { (cd "$1" && find . -type f | sort); }
expected_files() { { files_in "$staged"; printf '%s\n' "$@"; } | sort; }

# A machine key, HKLM\KEY, as Wine writes it: an awk pattern that sets "inside" for its lines, for
# header=$(key_header KEY).
key_header() { echo "[${1//\\/\\\\}]"; }
in_key='tolower(substr($0, 1, length(ENVIRON["header"]))) == tolower(ENVIRON["header"]) { inside = 1; next }
    /^\[/ { inside = 0 }'
key_values() { header=$(key_header "$1") awk "$in_key"' inside && /^[@"]/' "$WINEPREFIX/system.reg"; }
# The key gone, as damage a repair mends (between runs, when Wine's server has written the file).
remove_key() {
    header=$(key_header "$1") awk "$in_key"' !inside' "$WINEPREFIX/system.reg" >"$WINEPREFIX/system.reg.new"
    mv "$WINEPREFIX/system.reg.new" "$WINEPREFIX/system.reg"
}
# A value's text as Windows reads it: VALUE_NAME from the given file (user or system), the first line
# that matches PATTERN where more than one key has a value of that name.
registry_value() {  # registry_value user|system VALUE_NAME [PATTERN]
    sed -n "s/^\"$2\"=\"\(.*\)\"\$/\1/p" "$WINEPREFIX/$1.reg" | sed 's/\\\(.\)/\1/g' | grep -m 1 -e "${3-}"
}
# A Linux path as a Windows program sees it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
# Command lines as Windows reads them from the registry or an administrator types them, run as they
# stand, in a batch file of that name in WORK_DIR; prints the file's Windows path, for cmd /c. A line
# passed to Wine from here would be quoted anew, word by word.
as_batch() {  # as_batch NAME LINE...
    printf '%s\r\n' "${@:2}" >"$work/$1.cmd"
    windows_path "$work/$1.cmd"
}
