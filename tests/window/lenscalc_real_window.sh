#!/usr/bin/env bash
# The real program in a real X window, on a desktop (on_desktop.sh): it starts, shows "Lens Calculator",
# and exits cleanly when closed as a user closes it (the window manager's close request).
#   smoke:      just that.
#   real_input: in between, worked as a technician would: a click in the sag field, 5 typed, a click on
#               the curve panel's "Calc", a double click on the CR39 result and Ctrl+C, the window's own
#               copy; the X clipboard (which Wine shares) must then hold 12.17.
# The clicks go to fixed positions: the controls' centres in the window's pixels, worked out by hand
# from the controls table of window/controls.cpp (twips, 15 to a pixel, each container's offset added).
# A control moved there must be moved here too, and in scripts/screenshots.
# Usage: lenscalc_real_window.sh smoke|real_input PROGRAM [ARGUMENTS...]   (emulator first, if any)
# Exit status: the program's, 1 where a check fails, 77 where a tool is missing or the emulator cannot run
# the program as asked.
set -euo pipefail
check=$1
shift
for tool in xdotool xclip; do
    command -v $tool >/dev/null || { echo "$tool is missing"; exit 77; }
done

wait_for() {  # wait_for SECONDS COMMAND...: true once COMMAND succeeds
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
# Centres of controls, in the window's pixels.
click() { xdotool mousemove --window "$window" "$1" "$2" click --repeat "${3:-1}" 1; sleep 0.5; }

# timeout ends a program that does not exit when its window is closed, with status 124.
timeout 60 "$@" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
shown_or_ended() { xdotool search --onlyvisible --name '^Lens Calculator$' || ! kill -0 $app; }
wait_for 30 shown_or_ended || { echo "no window titled Lens Calculator"; exit 1; }
window=$(xdotool search --onlyvisible --name '^Lens Calculator$' | head -n 1) || true  # none: it ended
# Ended without one: status 77 (the emulator cannot run it as asked) is a skip.
if [ -z "$window" ]; then
    wait "$app" && status=0 || status=$?
    echo "the program ended with status $status before it showed a window titled Lens Calculator"
    exit $((status == 77 ? 77 : 1))
fi

if [ "$check" = real_input ]; then
    sleep 1  # the first paint and the focus settle
    click 87 45  # the sag field
    xdotool type --delay 100 5
    click 85 76  # its Calc
    click 119 112 2  # the CR39 result
    xdotool key ctrl+c
    wait_for 10 clipboard_is 12.17 || { echo "the clipboard holds '$(xclip -o -selection clipboard 2>&1)', not 12.17"; exit 1; }
    echo "clipboard: 12.17"
fi

wmctrl -c "Lens Calculator"
wait "$app" && status=0 || status=$?
echo "exit status $status"
exit "$status"
