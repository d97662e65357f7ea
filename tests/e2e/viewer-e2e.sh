#!/usr/bin/env bash
# The real viewer on the X server in $DISPLAY, in a fresh working directory holding data/ and a
# stale output.txt: its window, the echo of every key in order, and the Escape record. What the
# frames draw is for the GL tests. Usage: viewer-e2e.sh BINARY DATA_FOLDER
set -euo pipefail
[[ -n ${DISPLAY:-} ]] || { echo 'No X display: run the end-to-end tests under xvfb-run, e.g. xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ctest -L e2e' >&2; exit 1; }
binary=$(realpath "$1") dir=$(mktemp -d)
trap 'kill $viewer 2>/dev/null || true; rm -rf "$dir"' EXIT
cp -r "$2" "$dir/data"
echo "stale record" >"$dir/output.txt"
(cd "$dir" && exec "$binary" >stdout 2>stderr) &
viewer=$!
fail() { echo "FAIL: $*; stderr: $(cat "$dir/stderr")" >&2; exit 1; }
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^- Brisel Project -$' 2>/dev/null | head -n 1) && [[ -n $window ]] && break
    kill -0 $viewer 2>/dev/null || fail "the viewer exited"
    sleep 0.2
done
[[ -n $window ]] || fail "no window titled '- Brisel Project -'"
# Catches a wrong window size.
[[ $(xdotool getwindowgeometry "$window") == *"Geometry: 640x640"* ]] || fail "window is not 640 x 640"
# Catches a key not echoed, echoed out of order, or acting as another (shifted keys only echo).
keys=(apostrophe semicolon period comma equal minus 5 c plus less greater C) codes=(39 59 46 44 61 45 53 99 43 60 62 67)
xdotool key --window "$window" --delay 15 "${keys[@]}" Escape 2>/dev/null || true # Escape may close first
for _ in $(seq 75); do kill -0 $viewer 2>/dev/null && sleep 0.2; done
kill -0 $viewer 2>/dev/null && fail "the viewer still runs after Escape"
status=0 && wait $viewer || status=$?
((status == 0)) || fail "exit status $status"
[[ $(cat "$dir/stdout") == "$(printf 'key: %d\n' "${codes[@]}" 27)" ]] || fail "echoes: $(cat "$dir/stdout")"
# Catches an output.txt not truncated at start-up, and a missing or malformed record.
grep -Eqx 'Time spent traversing the tree: [0-9.e+-]+ seconds\.' "$dir/output.txt" && [[ $(wc -l <"$dir/output.txt") == 1 ]] ||
    fail "output.txt: $(cat "$dir/output.txt")"
[[ ! -s $dir/stderr ]] || fail "messages on standard error"
echo PASS
