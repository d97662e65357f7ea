#!/usr/bin/env bash
# A scripted tour of the running viewer on the X server in $DISPLAY: sends keys and saves a
# screenshot after each step. Usage: viewer-tour.sh <build dir holding brisel and data/> <shot dir>
set -euo pipefail

build=$1
shots=$(realpath "$2")
title='^- Brisel Project -$'
settle=0.6 # seconds for the frames after a key to be drawn (llvmpipe draws 50-100 a second)

cd "$build"
./brisel > "$shots/stdout.txt" 2> "$shots/stderr.txt" &
viewer=$!
trap 'kill "$viewer" 2> /dev/null || true' EXIT

window=
for _ in $(seq 200); do
    if ! kill -0 "$viewer" 2> /dev/null; then
        echo "the viewer exited early:" >&2
        cat "$shots/stderr.txt" >&2
        exit 1
    fi
    window=$(xdotool search --onlyvisible --name "$title" 2> /dev/null | head -n 1 || true)
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { echo "no viewer window after 20 s" >&2; exit 1; }
# Without a window manager the window sits at (-1, -1); bring its first row and column on screen.
xdotool windowmove "$window" 0 0 2> /dev/null || true

press() { # key, how many times
    local keys=()
    for _ in $(seq "$2"); do keys+=("$1"); done
    xdotool key --window "$window" --delay 15 "${keys[@]}" 2> /dev/null
}

shot() { # file name, what it shows
    sleep "$settle"
    import -window "$window" "$shots/$1.png"
    printf '  %-38s %s\n' "$1.png" "$2"
}

shot 01-default "default view: main and fake camera at 0 degrees, opacity threshold 255"
press c 1
shot 02-locked "c: view locked to the fake camera"
press apostrophe 36
shot 03-locked-fake-180 "fake camera spun to 180 degrees (36 x ')"
press apostrophe 9
shot 04-locked-fake-225 "fake camera at 225 degrees (9 more ')"
press minus 10
shot 05-locked-fake-225-opacity-205 "threshold lowered to 205 (10 x -)"
press c 1
shot 06-main-view-culled "c again: main camera view, occludees hidden from the fake camera missing"

xdotool key --window "$window" Escape 2> /dev/null || true # the window may vanish mid-key
for _ in $(seq 100); do kill -0 "$viewer" 2> /dev/null || break; sleep 0.1; done
status=0
wait "$viewer" || status=$?
trap - EXIT
echo "viewer exited with status $status after $(wc -l < "$shots/stdout.txt") key presses"
echo "output.txt: $(cat output.txt)"
exit "$status"
