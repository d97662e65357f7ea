#!/usr/bin/env bash
# The real culling-explorer on the X server in $DISPLAY, driven with xdotool: the magenta ghosts
# (1, 0, 1) must show exactly when the method culls cubes the fake camera sees.
# Usage: explorer-e2e.sh <culling-explorer binary>
set -euo pipefail
explorer=$1
if [[ -z ${DISPLAY:-} ]]; then
    echo "explorer e2e: no X display; run it under xvfb-run"
    exit 1
fi

work=$(mktemp -d)
"$explorer" > "$work/stdout" 2> "$work/stderr" &
pid=$!
trap 'kill "$pid" 2> /dev/null || true; rm -rf "$work"' EXIT

window=
for _ in $(seq 200); do
    kill -0 "$pid" 2> /dev/null || { echo "the explorer exited early:"; cat "$work/stderr"; exit 1; }
    window=$(xdotool search --onlyvisible --name '^- culling explorer -$' 2> /dev/null | head -n 1 || true)
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { echo "no explorer window after 20 s"; exit 1; }
xdotool windowmove "$window" 0 0 2> /dev/null || true

sent=0
press() { # key, times
    local keys=()
    for _ in $(seq "$2"); do keys+=("$1"); done
    xdotool key --window "$window" --delay 15 "${keys[@]}" 2> /dev/null
    sent=$((sent + $2))
}

# Sets `line` to the state line of the frame after the last key.
state() {
    press p 1
    for _ in $(seq 300); do
        line=$(grep "^state keys=$sent " "$work/stdout") && return
        sleep 0.1
    done
    echo "no state line after $sent keys; the last lines:" >&2
    tail -n 4 "$work/stdout" >&2
    return 1
}

field() { sed -n "s/.* $2=\([^ ]*\).*/\1/p" <<< "$1"; }

magentaPixels() {
    sleep 0.2 # the swap that preceded the state line reaches the screen
    import -window "$window" "$work/shot.png"
    convert "$work/shot.png" -fill black +opaque '#FF00FF' -fill white -opaque '#FF00FF' \
        -format '%[fx:round(mean*w*h)]' info:
}

amount() { if (($1 > 0)); then echo some; else echo none; fi; }

failures=0
# key | presses | method and fake angle then | false culls | magenta pixels (- either) | fault caught
while IFS='|' read -r key times method fake wantCulls wantPixels fault; do
    press "$key" "$times"
    state
    culls=$(amount "$(field "$line" false)")
    pixels=$(magentaPixels)
    if [[ $(field "$line" method) != "$method" || $(field "$line" fake) != "$fake" || $culls != "$wantCulls" ||
        ($wantPixels != - && $(amount "$pixels") != "$wantPixels") ]]; then
        echo "FAIL ($fault): wanted $method at $fake, false culls $wantCulls, magenta $wantPixels;" \
            "got $pixels magenta pixels"
        echo "  $line"
        failures=$((failures + 1))
    else
        echo "ok: $method at $fake: false culls $culls, $pixels magenta pixels"
    fi
done << 'TABLE'
apostrophe|33|hom|165|some|-|false culls not counted against the fake camera's truth
c|1|hom|165|some|some|ghosts missing, not magenta, or not drawn in the locked view
g|1|hom|165|some|none|g does not hide the ghosts
g|1|hom|165|some|some|g does not bring them back
apostrophe|12|hom|225|none|none|correct culls drawn magenta
semicolon|12|hom|165|some|some|the fake camera keys do not drive the culling
m|4|occlusion-query|165|none|none|m out of order, or the query method's decisions misread
TABLE

press Escape 1
status=0
for _ in $(seq 100); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
wait "$pid" || status=$?
((status == 0)) || { echo "FAIL: Escape left with status $status"; failures=$((failures + 1)); }
trap 'rm -rf "$work"' EXIT
((failures == 0))
