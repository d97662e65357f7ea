#!/usr/bin/env bash
# A scripted tour of culling-explorer on the X server in $DISPLAY: captioned screenshots of each
# method's mistakes, then each method's frame times with and without the truth pass.
# Usage: explorer-tour.sh <culling-explorer binary> <shot folder>
set -euo pipefail
source "$(dirname "$0")/explorer-drive.sh"
shots=$(realpath "$2")
trap 'kill "$pid" 2> /dev/null || true' EXIT
startExplorer "$1" "$shots"

shot() { # file name, what it shows
    state
    sleep 0.3
    import -window "$window" "$shots/$1.png"
    local numbers="culled $(field "$line" culled), false culls $(field "$line" false), missed $(field "$line" missed)"
    printf '  %-30s %s (%s)\n' "$1.png" "$2" "$numbers" | tee -a "$shots/captions.txt"
}

echo "screenshots:"
shot 01-hom-default "hom at threshold 255, both cameras at 0 degrees: the walls are behind the scene"
press apostrophe 33
press c 1
shot 02-hom-165-false-culls "fake camera at 165 degrees, view locked to it: magenta cubes are visible but culled"
press b 1
shot 03-hom-165-map "b: the occlusion map that decided it, enlarged"
press b 1
state
while [[ $(field "$line" buffer) != -1 ]]; do press b 1; state; done
press apostrophe 3
press minus 11
shot 04-hom-180-threshold-200 "threshold lowered to 200 at 180 degrees: partly covered texels count, far more pops"
press equal 11
press apostrophe 9
shot 05-hom-225-locked "fake camera at 225 degrees: every culled cube is hidden, nothing magenta"
press c 1
shot 06-hom-225-main-view "main camera at 0 degrees: the cubes culled for the fake camera as green wireframes"
press c 1
press semicolon 12
for name in hom-conservative cpu-depth gpu-hiz occlusion-query none; do
    press m 1
    case $name in
    gpu-hiz)
        press b 1
        shot 09-gpu-hiz-165 "gpu-hiz at 165 degrees, with its depth read-back"
        press b 1
        state
        while [[ $(field "$line" buffer) != -1 ]]; do press b 1; state; done
        ;;
    hom-conservative) shot 07-hom-conservative-165 "hom-conservative at 165 degrees" ;;
    cpu-depth) shot 08-cpu-depth-165 "cpu-depth at 165 degrees" ;;
    occlusion-query) shot 10-occlusion-query-165 "occlusion-query at 165 degrees: exact against the occluders, no magenta" ;;
    none) shot 11-none-165 "none: everything drawn, every cube the occluders hide a missed cull" ;;
    esac
done
press apostrophe 12

# Frame times at 225 degrees, locked, per method: the median and the 10 and 90 % points over the
# frames of a few seconds, with the truth pass each frame and without it; the passes' medians.
echo "frame times, fake camera at 225 degrees, view locked (ms: median [10 %, 90 %] over n frames):"
row() { printf '  %-17s %-28s %-11s %-28s %s\n' "$@" | tee -a "$shots/frame-times.txt"; }
row method "frame, truth pass on" "truth pass" "frame, truth pass off" "culling pass"
declare -A frame
for _ in 1 2 3 4 5 6; do
    press m 1
    for truth in on off; do
        [[ $truth == off ]] && press t 1
        sleep 4 # m and t start the timings afresh
        state
        frame[$truth]="$(field "$line" frame_ms) [$(field "$line" frame_p10_ms), $(field "$line" frame_p90_ms)] n=$(field "$line" frames)"
        [[ $truth == on ]] && truthPass=$(field "$line" truth_ms)
    done
    press t 1
    row "$(field "$line" method)" "${frame[on]}" "$truthPass" "${frame[off]}" "$(field "$line" pass_ms)"
done
echo "  load average $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores" | tee -a "$shots/frame-times.txt"

stopExplorer
trap - EXIT
echo "explorer exited with status $status after $sent keys"
exit "$status"
