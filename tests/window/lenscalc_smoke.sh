#!/usr/bin/env bash
# Starts the real program on a virtual X display with a window manager, waits for its window,
# closes it as a user would (the window manager's close request) and expects a clean exit.
set -euo pipefail
program=$1

if [[ ${2-} != --on-display ]]; then
    command -v xvfb-run >/dev/null || { echo "xvfb-run is missing"; exit 77; }
    # -noreset: Xvfb otherwise resets when a client disconnects and refuses the next one meanwhile.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$program" --on-display
fi

wait_for() {  # wait_for SECONDS COMMAND...: true once COMMAND succeeds
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

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
