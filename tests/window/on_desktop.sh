#!/usr/bin/env bash
# Runs a command on a desktop of its own, as a technician's: a private X display with a window
# manager, and a session bus with the accessibility bus switched on, as a screen reader has them.
# Whatever display or bus the machine runs, lacks or names wrongly would otherwise decide what Qt
# does at start and leaves behind at exit. Everything it starts ends with it.
# Usage: on_desktop.sh COMMAND [ARGUMENTS...]   Exit status: the command's; 77 when a tool is missing.
set -euo pipefail

if [[ ${1-} != --inside ]]; then
    for tool in xvfb-run dbus-run-session dbus-send matchbox-window-manager wmctrl; do
        command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 77; }
    done
    # The runtime folder and settings held in memory keep the accessibility bus out of the home folder.
    unset AT_SPI_BUS_ADDRESS
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR GSETTINGS_BACKEND=memory
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    # -noreset: Xvfb otherwise resets when a client disconnects and refuses the next one meanwhile.
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- "$0" --inside "$@"
    exit
fi
shift

# Switching it on as a screen reader does starts the accessibility bus, so that Qt joins it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null ||
    { echo "the accessibility bus (at-spi2-core) did not start"; exit 1; }

matchbox-window-manager -use_titlebar no &
window_manager=$!
trap 'kill "$window_manager" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || { echo "the window manager did not start"; exit 1; }
"$@"
