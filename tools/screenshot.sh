#!/usr/bin/env bash
# Remakes docs/wayfolder.png: starts the program on a virtual X display (Xvfb) in a throw-away
# home with a few favorites and files, and captures its window.
# Usage: tools/screenshot.sh [output.png]; WAYFOLDER_BIN=path/to/wayfolder takes a program
# already built instead of building the release one.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/wayfolder.png}")
tools/deps.sh --run --with-x
program=${WAYFOLDER_BIN:-}
if [ -z "$program" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target wayfolder >/dev/null
    program=build-release/wayfolder
fi

tmp=$(mktemp -d)
pids=()
cleanup() {
    # The program first, the display last.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

home=$tmp/home
mkdir -p "$home/Documents/Letters" "$home/Documents/Reports" "$home/Pictures/Holiday" \
    "$home/Projects/wayfolder/tools" "$home/Projects/website" "$home/Music" "$home/.local/share/Wayfolder"
for f in budget-2025.ods meeting-notes.txt minutes-january.txt minutes-february.txt plan.md \
    reading-list.txt recipe.pdf tax-return.pdf travel.txt; do
    : >"$home/Documents/$f"
done
printf '%s\r\n' \
    "Enter below: [Folder Shortcut name][*][Full path][**][File filter] without brackets (** & File filter are optional) - don't remove this line !" \
    "Documents*$home/Documents" "Text notes*$home/Documents**.txt" "Pictures*$home/Pictures" \
    "-*-" "Projects*$home/Projects" "Website*$home/Projects/website" "Music*$home/Music" \
    >"$home/.local/share/Wayfolder/FavoDirs.dat"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
if command -v openbox >/dev/null; then
    # A window mapped while openbox is still starting may never be managed: wait until it runs its
    # start-up command, which it does once it manages the screen.
    openbox --sm-disable --startup "touch $tmp/wm-ready" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -e "$tmp/wm-ready" ] && break; sleep 0.1; done
fi

env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_CACHE_HOME="$home/.cache" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 "$program" &
pids+=($!)
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Wayfolder' | head -1)
# Let the first activation fill the three panes before the picture is taken.
sleep 2
mkdir -p "$(dirname "$out")"
import -window "$window" -frame "$out" 2>/dev/null || import -window "$window" "$out"
echo "wrote $out ($(identify -format '%wx%h' "$out"))"
