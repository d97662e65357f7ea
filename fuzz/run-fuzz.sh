#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each (default 30 seconds each) on a scratch copy of its
# seed corpus, so the committed corpora never grow: the .geo reader (corpus/) and the scene inputs,
# views files and scene names (scene-corpus/). Fails when the fuzzer finds a crash, a leak or a
# failed check, keeping the inputs in build-fuzz/crashes; prints the executions reached.
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-fuzz
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DBRISEL_FUZZ=ON -DBRISEL_TESTS=OFF -DBRISEL_BENCH=OFF >/dev/null
cmake --build "$build" --target geo_reader_fuzz scene_input_fuzz -j2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for pair in geo_reader_fuzz:corpus scene_input_fuzz:scene-corpus; do
    target=${pair%%:*} corpus=${pair#*:}
    rm -rf "$work"/* && mkdir "$work/corpus" "$work/artifacts" && cp "$root/fuzz/$corpus"/* "$work/corpus/"
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1; then
        tail -n 60 "$work/log"
        mkdir -p "$build/crashes" && cp "$work"/artifacts/* "$build/crashes/" 2>/dev/null || true
        echo "$target failed; inputs kept in $build/crashes" >&2
        status=1
        continue
    fi
    echo "$target: $(grep -E '^Done [0-9]+ runs' "$work/log")"
done
exit $status
