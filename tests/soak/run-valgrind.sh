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
# The build goes to build-valgrind/ under the repository root. Under memcheck llvmpipe manages
# well under one frame per second, so the default 30 frames take 1-2 minutes.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

total=30
extra=()
while (($#)); do
    case "$1" in
    --frames) total=${2:?--frames needs a number}; shift ;;
    --) shift; extra=("$@"); break ;;
    *) echo "usage: run-valgrind.sh [--frames N] [-- valgrind options]" >&2; exit 2 ;;
    esac
    shift
done
((total >= 10)) || { echo "run-valgrind.sh: --frames must be at least 10" >&2; exit 2; }

# shellcheck source=soak-lib.sh
source "$here/soak-lib.sh"
require_tools cmake cc Xvfb xdotool valgrind
build_viewer "$root/build-valgrind" -DBRISEL_SANITIZE=OFF
start_xvfb
build_shim
dir=$(make_workdir valgrind)
log="$dir/valgrind.log"

# Every key the viewer acts on once, and two it only echoes, spread over the frames.
keys=(99 46 39 61 45 59 44 53 120 65)

echo "== memcheck: $total frames, ${#keys[@]} keys, then Escape"
diagnostics=$log
start_viewer "$dir" 300 valgrind --tool=memcheck --leak-check=full \
    --show-leak-kinds=definite,possible --errors-for-leak-kinds=definite --num-callers=40 \
    --fullpath-after= --suppressions="$here/valgrind.supp" --log-file="$log" "${extra[@]}" "$viewer"
sent=0
while ((frames < total)); do
    poll_viewer 300
    # Keys between frame 3 and two frames before the end, one per poll at most.
    if ((sent < ${#keys[@]} && frames >= 3 + sent * (total - 5) / ${#keys[@]})); then
        send_key "$(keysym_for "${keys[sent]}")" || true
        ((++sent))
    fi
    sleep 0.2
done
stop_viewer 300

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

echo "   frames run: $frames, keys sent: $sent + Escape, exit status: $status"
echo "   memcheck: $(grep -m1 'ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== //')"
echo "   errors through our code: $errors_ours (elsewhere: $errors_theirs)"
echo "   definite leaks through our code: $leaks_ours (elsewhere: $leaks_theirs)"

((status == 0)) || problems+=("exit status $status")
((errors_ours == 0)) || problems+=("$errors_ours memory error(s) through our code")
((leaks_ours == 0)) || problems+=("$leaks_ours definitely lost block(s) through our code")
check_echoes "$dir" "${keys[@]:0:sent}"
report "$dir/ours.txt"
