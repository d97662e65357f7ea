#!/usr/bin/env bash
# Builds culling-explorer (Release, into build-explorer/) and runs it with the given options (e.g.
# --scene FILE --views FILE). Without a display it tours the explorer under a virtual X server
# instead and saves captioned screenshots: on the grid, with frame times; on another scene, of its
# first viewpoints.
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install-deps.sh
cmake -S . -B build-explorer -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build-explorer -j "$(nproc)" --target culling-explorer > /dev/null
explorer=build-explorer/tools/explorer/culling-explorer

if [[ -n ${DISPLAY:-} ]]; then
    exec "$explorer" "$@"
fi

shots="screenshots/explorer-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$shots"
echo "No DISPLAY: touring the explorer under Xvfb; screenshots go to ./$shots"
tour=tools/explorer/explorer-tour.sh
(($# == 0)) || tour=tools/explorer/explorer-scene-tour.sh
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$tour" "$explorer" "$shots" "$@"
