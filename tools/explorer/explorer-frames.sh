#!/usr/bin/env bash
# Frame times of culling-explorer, locked to the fake camera, at each of its first viewpoints (or,
# on the grid, at one angle): the state line after a few seconds at each, on the X server in
# $DISPLAY, and the one-minute load average before and after.
# Usage: [EXPLORER_KEYS="m m g"] explorer-frames.sh <culling-explorer> <seconds per viewpoint> <viewpoints>
#        [explorer options...]
# EXPLORER_KEYS: xdotool key names pressed once each after locking, e.g. "m m g" for cpu-depth
# without ghosts.
set -euo pipefail
source "$(dirname "$0")/explorer-drive.sh"
work=$(mktemp -d)
trap 'kill "$pid" 2> /dev/null || true; rm -rf "$work"' EXIT
seconds=$2 views=$3
echo "load before: $(cut -d' ' -f1 /proc/loadavg)"
startExplorer "$1" "$work" "${@:4}"
press c 1
for key in ${EXPLORER_KEYS:-}; do press "$key" 1; done
for ((v = 0; v < views; v++)); do
    press p 1 # the frame times restart with the last key that changed anything
    sleep "$seconds"
    state
    echo "$line"
    ((v + 1 < views)) && press bracketright 1
done
stopExplorer
trap 'rm -rf "$work"' EXIT
echo "load after: $(cut -d' ' -f1 /proc/loadavg)"
exit "$status"
