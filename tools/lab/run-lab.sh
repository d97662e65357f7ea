#!/usr/bin/env bash
# Builds culling-lab (Release) and runs the full sweep, under xvfb-run when there is no display.
# Usage: bash tools/lab/run-lab.sh [--build DIR] [culling-lab options...]
#   --build DIR  build directory (default: build-lab in the repository)
# Other arguments go to culling-lab, e.g. --quick, --repeats N, or an output folder; by default
# the results land in lab-results/<date>-<time> under the repository.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="$root/build-lab"
if [[ "${1:-}" == "--build" ]]; then
    [[ $# -ge 2 ]] || { echo "run-lab.sh: --build needs a directory" >&2; exit 2; }
    build=$2
    shift 2
fi

bash "$root/scripts/install-deps.sh" >&2
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target culling-lab -j "$(nproc)" >/dev/null

lab="$build/tools/lab/culling-lab"
cd "$root"
if [[ -n "${DISPLAY:-}" ]]; then
    "$lab" "$@"
elif command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$lab" "$@"
else
    echo "run-lab.sh: no DISPLAY and no xvfb-run (install xvfb)" >&2
    exit 2
fi
