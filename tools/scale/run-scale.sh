#!/usr/bin/env bash
# Builds culling-scale (Release) and runs the scaling sweep, under xvfb-run when there is no display.
# Usage: bash tools/scale/run-scale.sh [--build DIR] [culling-scale options...]
#   --build DIR  build directory (default: build-scale in the repository)
# Other arguments go to culling-scale, e.g. --scene city:N (repeatable) or an output folder; by
# default the results land in scale-results/<date>-<time> under the repository.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="$root/build-scale"
if [[ "${1:-}" == "--build" ]]; then
    [[ $# -ge 2 ]] || { echo "run-scale.sh: --build needs a directory" >&2; exit 2; }
    build=$2
    shift 2
fi

bash "$root/scripts/install-deps.sh" >&2
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target culling-scale -j "$(nproc)" >/dev/null

scale="$build/tools/scale/culling-scale"
cd "$root"
if [[ -n "${DISPLAY:-}" ]]; then
    "$scale" "$@"
elif command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$scale" "$@"
else
    echo "run-scale.sh: no DISPLAY and no xvfb-run (install xvfb)" >&2
    exit 2
fi
