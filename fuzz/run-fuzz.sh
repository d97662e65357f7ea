#!/usr/bin/env bash
# Builds the .geo reader fuzz target with clang and runs it (default 30 seconds) on a scratch copy of
# the seed corpus, so the committed corpus never grows. Fails when the fuzzer finds a crash, a leak
# or a failed check, keeping the inputs in build-fuzz/crashes; prints the executions reached.
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-fuzz
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DBRISEL_FUZZ=ON -DBRISEL_TESTS=OFF -DBRISEL_BENCH=OFF >/dev/null
cmake --build "$build" --target geo_reader_fuzz -j2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/artifacts" && cp "$root"/fuzz/corpus/* "$work/corpus/"
if ! "$build/fuzz/geo_reader_fuzz" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1; then
    tail -n 60 "$work/log"
    mkdir -p "$build/crashes" && cp "$work"/artifacts/* "$build/crashes/" 2>/dev/null || true
    echo "geo_reader_fuzz failed; inputs kept in $build/crashes" >&2
    exit 1
fi
grep -E '^Done [0-9]+ runs' "$work/log"
