#!/usr/bin/env bash
# Runs a command on a 1920x1080 X screen (Xvfb) that a real window manager (openbox) manages,
# as on a desktop, where frames and placement arrive only after a window is mapped.
# Usage: underwm.sh command [arguments]; ends with 77 (skipped) when Xvfb or openbox is missing.
set -euo pipefail
for tool in Xvfb openbox; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed (tools/deps.sh installs it)"
        exit 77
    fi
done
work=$(mktemp -d)
wm=
xvfb=
cleanup() {
    [ -z "$wm" ] || kill "$wm" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
waitFor() { # test, file, what: polls for ten seconds at most
    local i
    for ((i = 0; i < 200; i++)); do
        test "$1" "$2" && return 0
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.05
    done
    echo "$3 did not start:" >&2
    cat "$work"/*.log >&2 || true
    exit 1
}
waitFor -s "$work/display" Xvfb
export DISPLAY=:$(head -n1 "$work/display")
# openbox runs its start-up command once it manages the screen.
HOME=$work openbox --sm-disable --startup "touch $work/ready" >"$work/openbox.log" 2>&1 &
wm=$!
waitFor -e "$work/ready" openbox
QT_QPA_PLATFORM=xcb "$@"
