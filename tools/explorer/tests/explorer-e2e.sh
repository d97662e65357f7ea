#!/usr/bin/env bash
# The real culling-explorer on the X server in $DISPLAY, driven with xdotool: the magenta ghosts
# (1, 0, 1) must show exactly when the method culls cubes the fake camera sees.
# Then the room test scene from its viewpoints: [ and ] step through them, wrapping round, and the
# exact method culls what the wall hides without a false cull.
# Usage: explorer-e2e.sh <culling-explorer binary> [<room.obj> <room-views.txt>]
set -euo pipefail
if [[ -z ${DISPLAY:-} ]]; then
    echo "explorer e2e: no X display; run it under xvfb-run"
    exit 1
fi
source "$(dirname "$0")/../explorer-drive.sh"
work=$(mktemp -d)
trap 'kill "$pid" 2> /dev/null || true; rm -rf "$work"' EXIT
startExplorer "$1" "$work"

magentaPixels() {
    sleep 0.2 # the swap before the state line reaches the screen
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

stopExplorer
((status == 0)) || { echo "FAIL: Escape left with status $status"; failures=$((failures + 1)); }

if (($# >= 3)); then
    startExplorer "$1" "$work" --scene "$2" --views "$3"
    # key | presses | method | viewpoint | culled (some/none) | false culls | fault caught
    while IFS='|' read -r key times method view wantCulled wantFalse fault; do
        press "$key" "$times"
        state
        culled=$(amount "$(field "$line" culled)")
        if [[ $(field "$line" method) != "$method" || $(field "$line" view) != "$view" || $culled != "$wantCulled" ||
            $(field "$line" false) != "$wantFalse" ]]; then
            echo "FAIL ($fault): wanted $method at viewpoint $view, culled $wantCulled, false $wantFalse"
            echo "  $line"
            failures=$((failures + 1))
        else
            echo "ok: room, $method at viewpoint $view: culled $culled, false culls $wantFalse"
        fi
    done << 'TABLE'
m|4|occlusion-query|0|some|0|the wall hides nothing, or the doorway is culled through
bracketright|1|occlusion-query|1|some|0|] does not move to the next viewpoint
bracketright|2|occlusion-query|0|some|0|] does not wrap round after the last viewpoint
bracketleft|1|occlusion-query|2|some|0|[ does not wrap back to the last viewpoint
apostrophe|1|occlusion-query|0|some|0|' does not step through the viewpoints
period|3|occlusion-query|0|some|0|the main camera keys move the fake camera
TABLE
    stopExplorer
    ((status == 0)) || { echo "FAIL: Escape left the room with status $status"; failures=$((failures + 1)); }
fi
((failures == 0))
