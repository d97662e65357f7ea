#!/usr/bin/env bash
# Builds the viewer (Release, into build/) and runs it. Without a display it runs the viewer under a
# virtual X server instead, plays a short tour of the keys and saves screenshots of each step.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target brisel

if [[ -n ${DISPLAY:-} ]]; then
    cd build # the viewer reads data/cube.geo from its working directory
    exec ./brisel
fi

shots="screenshots/tour-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$shots"
echo "No DISPLAY: touring the viewer under Xvfb; screenshots go to ./$shots"
xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/viewer-tour.sh build "$shots"
