#!/usr/bin/env bash
# Starts the real program on a virtual X display with a window manager and a session bus with the
# accessibility bus switched on, as a desktop with a screen reader has them; waits for its window,
# closes it as a user would (the window manager's close request) and expects a clean exit.
set -euo pipefail
program=$1

if [[ ${2-} != --on-display ]]; then
    for tool in xvfb-run dbus-run-session; do
        command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 77; }
    done
    # The bus is the test's own, ended with it: whatever bus the machine runs, lacks or names wrongly
    # would otherwise decide what Qt does at start and leaves behind at exit. The runtime folder and
    # settings held in memory keep the accessibility bus from writing into the home folder.
    unset AT_SPI_BUS_ADDRESS
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR GSETTINGS_BACKEND=memory
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    # -noreset: Xvfb otherwise resets when a client disconnects and refuses the next one meanwhile.
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- "$0" "$program" --on-display
    exit
fi

wait_for() {  # wait_for SECONDS COMMAND...: true once COMMAND succeeds
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# Switching it on as a screen reader does starts the accessibility bus, so that Qt joins it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null ||
    { echo "the accessibility bus (at-spi2-core) did not start"; exit 1; }

matchbox-window-manager -use_titlebar no &
window_manager=$!
trap 'kill "$window_manager" 2>/dev/null || true' EXIT
wait_for 10 wmctrl -m || { echo "the window manager did not start"; exit 1; }

# timeout ends a program that does not exit when its window is closed, with status 124.
timeout 20 "$program" &
app=$!
wait_for 20 xwininfo -name "Lens Calculator" || { echo "no window titled Lens Calculator"; kill "$app"; exit 1; }

wmctrl -c "Lens Calculator"
wait "$app" && status=0 || status=$?
echo "exit status $status"
exit "$status"
