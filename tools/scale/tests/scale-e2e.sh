#!/usr/bin/env bash
# culling-scale end to end: every bad city name gives one line on standard error and status 2 with
# no results folder; a small sweep writes every file and reports no problem.
# Usage: scale-e2e.sh CULLING-SCALE (needs an X server in $DISPLAY)
set -u
scale=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for ref in city: city city:0 city:-3 city:abc city:2.5 city:1000001 city:99999999999999999999 ""; do
    "$scale" --scene "$ref" "$work/bad" > /dev/null 2> "$work/err"
    status=$?
    [[ $status == 2 ]] || fail "--scene '$ref': status $status, not 2"
    [[ $(wc -l < "$work/err") == 1 ]] || fail "--scene '$ref': not one line: $(cat "$work/err")"
    [[ ! -e $work/bad ]] || fail "--scene '$ref' left $work/bad"
done
"$scale" --scene > /dev/null 2> "$work/err"
[[ $? == 2 ]] || fail "--scene without a value: not status 2"

"$scale" --no-plots --scene city:300 --scene city:2000 "$work/out" > /dev/null 2> "$work/err" ||
    fail "the small sweep failed: $(cat "$work/err")"
for file in samples.csv summary.csv plots.gp index.md; do
    [[ -s $work/out/$file ]] || fail "no $file"
done
# Two sizes, every method's pass and both memory rows.
for series in "cpu-depth pass" "gpu-hiz pass" "hom pass" "hom-conservative pass" "occlusion-query pass" \
    "resident MB" "scene lists MB" "build seconds"; do
    grep -q "^300,[0-9]*,$series," "$work/out/summary.csv" || fail "summary.csv: no $series row for city:300"
done
grep -q "methods.png" "$work/out/plots.gp" || fail "plots.gp: no methods' plot"
grep -q '^2000,.*,truth,' "$work/out/summary.csv" || fail "summary.csv: no truth row for city:2000"
grep -q 'Every check held' "$work/out/index.md" || fail "index.md reports a problem"

echo "$failures failed"
((failures == 0))
