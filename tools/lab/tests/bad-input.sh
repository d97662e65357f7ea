#!/usr/bin/env bash
# Bad scenes, scene names and views files given to culling-lab and culling-explorer: each must give exit status 2,
# exactly one line on standard error naming the file (and line), and leave no results folder.
# Usage: bad-input.sh <culling-lab> <culling-explorer> <room.obj> <room-views.txt>
set -uo pipefail
lab=$1 explorer=$2 room=$3 views=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'o occluder\nv 0 0 0\nv 1 0 0\n' > "$work/no-triangles.obj"
printf 'o far\nv 0 0 0\nv 1e9 0 0\nv 0 1 0\nf 1 2 3\n' > "$work/far.obj"
printf 'not a model at all\n' > "$work/garbage.gltf"
: > "$work/empty.obj"
printf '0 1 8  0 0 -1\n0 1 8  0 0\n' > "$work/short.txt"
printf '# eye then direction\n0 1 8  0 0 -1\n\n0 1 8  0 zero -1\n' > "$work/word.txt"
printf '0 1 8  0 0 0\n' > "$work/zero.txt"

failures=0
# arguments | text the one line must hold
while IFS='|' read -r arguments want; do
    for program in "$lab" "$explorer"; do
        folder=$work/results
        extra=("$folder")
        [[ $program == "$explorer" ]] && extra=() # the explorer writes no folder
        # shellcheck disable=SC2086 # the arguments are words
        (cd "$work" && "$program" $arguments "${extra[@]}" > "$work/out" 2> "$work/err")
        status=$?
        lines=$(wc -l < "$work/err")
        if ((status != 2)) || ((lines != 1)) || ! grep -qF -- "$want" "$work/err" || [[ -e $folder ]]; then
            echo "FAIL: $(basename "$program") $arguments: status $status, $lines lines, folder $([[ -e $folder ]] && echo left || echo none):"
            cat "$work/err"
            failures=$((failures + 1))
        else
            echo "ok: $(basename "$program") $arguments: $(cat "$work/err")"
        fi
        rm -rf "$work/results"
    done
done << TABLE
--scene $work/missing.obj|$work/missing.obj: cannot open it
--scene $work/empty.obj|$work/empty.obj: empty
--scene $work/garbage.gltf|$work/garbage.gltf: not a scene assimp can read
--scene $work/no-triangles.obj|$work/no-triangles.obj: no triangles
--scene $work/far.obj|$work/far.obj: a vertex
--scene $room --views $work/missing.txt|$work/missing.txt: cannot open it
--scene $room --views $work/short.txt|$work/short.txt:2: 5 numbers
--scene $room --views $work/word.txt|$work/word.txt:4: "zero" is not a finite number
--scene $room --views $work/zero.txt|$work/zero.txt:1: zero view direction
--scene $room --views $views --near 50 --far 10|--near must be less than --far
--scene city|city needs an argument
--scene city:|city needs an argument
--scene city:0|N is below 1
--scene city:2.5|N is not a whole number
--scene city:-3|N is not a whole number
--scene city:1000001|N is above the limit
TABLE
((failures == 0))
