#!/usr/bin/env bash
# A scripted tour of culling-explorer on any scene, on the X server in $DISPLAY: locked to the fake
# camera, at each of the first viewpoints (at most four) a captioned screenshot with hom (magenta:
# falsely culled) and one with occlusion-query (exact against the occluders; gpu-hiz at 640 x 640
# where a big scene leaves the queries out), then Escape.
# Usage: explorer-scene-tour.sh <culling-explorer binary> <shot folder> <explorer options...>
set -euo pipefail
source "$(dirname "$0")/explorer-drive.sh"
shots=$(realpath "$2")
trap 'kill "$pid" 2> /dev/null || true' EXIT
startExplorer "$1" "$shots" "${@:3}"

shot() { # file name, what it shows
    state
    sleep 0.3
    import -window "$window" "$shots/$1.png"
    local numbers="culled $(field "$line" culled), false culls $(field "$line" false), missed $(field "$line" missed)"
    printf '  %-34s %s (%s)\n' "$1.png" "$2" "$numbers" | tee -a "$shots/captions.txt"
}

# Presses m until the state line names the method; fails when the cycle does not hold it (big
# scenes leave occlusion-query out).
useMethod() { # method
    for _ in 1 2 3 4 5 6 7; do
        state
        [[ $(field "$line" method) == "$1" ]] && return 0
        press m 1
    done
    return 1
}

echo "screenshots (${*:3}):"
press c 1
exact=occlusion-query
useMethod "$exact" || exact=gpu-hiz # the exact method that remains on a lean scene
for step in 1 2 3 4; do
    useMethod hom
    view=$(field "$line" view)
    ((step == 1 || view != 0)) || break # back at the first viewpoint
    shot "view$view-hom" "hom, fake camera at viewpoint $view, view locked to it"
    useMethod "$exact"
    shot "view$view-$exact" "$exact at viewpoint $view: green wireframes are culled correctly"
    press bracketright 1
done
stopExplorer
trap - EXIT
echo "explorer exited with status $status after $sent keys"
exit "$status"
