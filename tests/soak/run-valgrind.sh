#!/usr/bin/env bash
# Memcheck run of the real (unsanitized) viewer under its own Xvfb: a few dozen frames, a
# handful of keys, then Escape. Fails when memcheck reports an invalid access, a use of
# uninitialised memory or a bad free whose stacks reach the viewer's own sources, or a
# definitely lost block allocated through them, or when the viewer does not exit with status 0.
# Reports that stay inside the loader or the graphics stack are counted but do not fail the
# run; the known ones are silenced by valgrind.supp.
#
#   run-valgrind.sh [--frames N] [-- extra valgrind options, e.g. --track-origins=yes]
#
# SOAK_INJECT_FAULT=leak|overflow SOAK_INJECT_AT=5 makes the preload shim plant that fault, to
# see the run fail.
#
# The build goes to build-valgrind/ under the repository root (RelWithDebInfo). Under memcheck
# llvmpipe manages well under one frame per second, so the default 30 frames take 1-2 minutes.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build="$root/build-valgrind"

total=30
extra=()
while (($#)); do
    case "$1" in
    --frames) total=${2:?--frames needs a number}; shift ;;
    --) shift; extra=("$@"); break ;;
    -h | --help) sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run-valgrind.sh: unknown argument $1" >&2; exit 2 ;;
    esac
    shift
done
((total >= 10)) || { echo "run-valgrind.sh: --frames must be at least 10" >&2; exit 2; }

for tool in cmake cc Xvfb xdotool valgrind; do
    command -v "$tool" >/dev/null || {
        echo "run-valgrind.sh: $tool not found (scripts/install-deps.sh installs the X tools)" >&2
        exit 2
    }
done

# shellcheck source=soak-lib.sh
source "$here/soak-lib.sh"

started=$SECONDS
echo "== building the viewer in $build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISEL_SANITIZE=OFF \
    -DBRISEL_TESTS=OFF -DBRISEL_BENCH=OFF >"$build.configure.log" 2>&1 ||
    { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target brisel -j "$(nproc)" >"$build.build.log" 2>&1 ||
    { cat "$build.build.log"; exit 1; }
rm -f "$build.configure.log" "$build.build.log"

start_xvfb
build_shim
dir=$(make_workdir valgrind)
count="$dir/frames"
log="$dir/valgrind.log"

# Every key the viewer acts on once, and two it only echoes, spread over the frames.
keys=(99 46 39 61 45 59 44 53 120 65)

echo "== memcheck: $total frames, ${#keys[@]} keys, then Escape"
run_start=$SECONDS
(cd "$dir" && FRAME_COUNTER_FILE="$count" LD_PRELOAD="$shim" exec valgrind --tool=memcheck \
    --leak-check=full --show-leak-kinds=definite,possible --errors-for-leak-kinds=definite \
    --num-callers=40 --fullpath-after= --suppressions="$here/valgrind.supp" --log-file="$log" \
    "${extra[@]}" "$build/brisel" >"$dir/stdout" 2>"$dir/stderr") &
viewer_pid=$!
window=$(wait_for_window "$viewer_pid" 300) || { tail -n 40 "$log" >&2; fail "no viewer window"; }

sent=0 frames=0 last_frames=-1 last_progress=$SECONDS
while ((frames < total)); do
    read_frames "$count"
    kill -0 "$viewer_pid" 2>/dev/null || { tail -n 60 "$log" >&2; fail "viewer died at frame $frames"; }
    if ((frames != last_frames)); then last_frames=$frames last_progress=$SECONDS; fi
    ((SECONDS - last_progress <= 300)) || fail "viewer hung at frame $frames"
    # Keys between frame 3 and two frames before the end, one per poll at most.
    if ((sent < ${#keys[@]} && frames >= 3 + sent * (total - 5) / ${#keys[@]})); then
        send_key "$window" "$(keysym_for "${keys[sent]}")" || true
        ((++sent))
    fi
    sleep 0.2
done
send_key "$window" Escape || true
status=0 waited=0
while kill -0 "$viewer_pid" 2>/dev/null && ((waited < 3000)); do sleep 0.1; ((++waited)); done
kill -0 "$viewer_pid" 2>/dev/null && fail "viewer did not exit within 300 s of Escape"
wait "$viewer_pid" || status=$?
viewer_pid=""
run_seconds=$((SECONDS - run_start))

# Splits the log into records (blank-line separated) and sorts each error or definite leak by
# whether any of its stacks passes through a source file of this repository.
classify() {
    awk -v ours="($root/" '
        { sub(/^==[0-9]+== ?/, "") }
        $0 == "" { flush(); next }
        { record = record $0 "\n" }
        END { flush() }
        function flush(   header, kind) {
            if (record == "") return
            header = substr(record, 1, index(record, "\n") - 1)
            kind = ""
            if (header ~ /definitely lost in loss record/) kind = "leak"
            else if (header ~ /^(Invalid (read|write|free)|Mismatched free|Conditional jump|Use of uninitialised|Syscall param|Source and destination overlap|Jump to the invalid address|Argument .* fishy)/) kind = "error"
            if (kind != "") {
                where = index(record, ours) ? "ours" : "theirs"
                count[kind " " where]++
                if (where == "ours") printf "%s\n", record > "/dev/stderr"
            }
            record = ""
        }
        END {
            printf "%d %d %d %d\n", count["error ours"], count["error theirs"], count["leak ours"], count["leak theirs"]
        }' "$log"
}
read -r errors_ours errors_theirs leaks_ours leaks_theirs < <(classify 2>"$dir/ours.txt")

echo "   frames run:   $frames"
echo "   keys sent:    $sent + Escape"
echo "   run time:     $run_seconds s (total with build $((SECONDS - started)) s)"
echo "   exit status:  $status"
echo "   memcheck:     $(grep -m1 'ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== //')"
sed -n '/LEAK SUMMARY/,/suppressed:/p' "$log" | sed 's/^==[0-9]*== /     /'
echo "   errors through our code: $errors_ours (elsewhere: $errors_theirs)"
echo "   definite leaks through our code: $leaks_ours (elsewhere: $leaks_theirs)"

problems=()
((status == 0)) || problems+=("exit status $status")
((errors_ours == 0)) || problems+=("$errors_ours memory error(s) through our code")
((leaks_ours == 0)) || problems+=("$leaks_ours definitely lost block(s) through our code")
expected=$(printf 'key: %d\n' "${keys[@]:0:sent}" 27)
[[ "$(grep '^key: ' "$dir/stdout" || true)" == "$expected" ]] || problems+=("echoed keys differ from those sent")
if ((${#problems[@]})); then
    cat "$dir/ours.txt"
    printf -v joined '%s; ' "${problems[@]}"
    fail "${joined%; }"
fi
echo "   PASS"
