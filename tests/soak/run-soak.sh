#!/usr/bin/env bash
# Sanitizer soak of the real viewer: an AddressSanitizer + UndefinedBehaviorSanitizer build runs
# under its own Xvfb while a storm of random keys reaches it, then Escape ends it so that the
# leak check runs. The run fails if the viewer dies early, if any sanitizer report appears, if
# it does not exit with status 0, if a key is lost, or if its resident memory grows by more
# than RSS_ALLOWANCE_KIB between the baseline frames and the last frames.
#
#   run-soak.sh [--short|--full] [--seed N]
#     --short   2000 frames, 200 keys, RSS baseline at frame 500 (default)
#     --full    10000 frames, 1000 keys, RSS baseline at frame 1000
#     --seed N  replay the key sequence of an earlier run (the seed is printed)
#
# The build goes to build-asan/ under the repository root. Needs cmake, a C compiler, Xvfb, xdotool.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

# Once the allocator's quarantine is full (after ~200 frames) single RSS readings of the
# sanitized viewer scatter over about 3 MiB; their low point over a span of frames is steady
# but for a creep of about 1 MiB per 10000 frames that the sanitizer's allocator adds (an
# unsanitized build stays flat). Growth past this allowance between the two spans fails.
RSS_ALLOWANCE_KIB=4096

total=2000 keys=200 baseline=500
seed=$((RANDOM * 32768 + RANDOM))
while (($#)); do
    case "$1" in
    --short) total=2000 keys=200 baseline=500 ;;
    --full) total=10000 keys=1000 baseline=1000 ;;
    --seed) seed=${2:?--seed needs a number}; shift ;;
    *) echo "usage: run-soak.sh [--short|--full] [--seed N]" >&2; exit 2 ;;
    esac
    shift
done

# shellcheck source=soak-lib.sh
source "$here/soak-lib.sh"
require_tools cmake cc Xvfb xdotool
build_viewer "$root/build-asan" -DBRISEL_SANITIZE=ON
start_xvfb
build_shim

# A viewer linked against the shared ASan runtime requires that runtime to come first in the
# preload list; a statically linked runtime (clang's default) needs nothing.
asan_runtime=$(ldd "$viewer" | awk '/libasan\.so/ { print $3; exit }')
preload="${asan_runtime:+$asan_runtime:}$shim"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# A 16 MiB quarantine (instead of 256) fills within the first few hundred frames, so the RSS no
# longer climbs for thousands of frames after the baseline without any leak.
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:quarantine_size_mb=16
export ASAN_OPTIONS=$ASAN_OPTIONS:check_initialization_order=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$here/lsan.supp

# The key sequence is fixed by the seed: half of the keys are the ones the viewer acts on, the
# other half any printable character.
sequence=()
RANDOM=$seed
for ((i = 0; i < keys; ++i)); do
    if ((RANDOM % 2)); then
        sequence+=("${active_keys[RANDOM % ${#active_keys[@]}]}")
    else
        sequence+=($((32 + RANDOM % 95)))
    fi
done

dir=$(make_workdir soak)
echo "== soak: $total frames, $keys keys (seed $seed), RSS baseline at frame $baseline"
start_viewer "$dir" 60 "$viewer"

# Per-frame allocations make single RSS readings jump by a few MiB; the lowest of several
# readings over a span of frames is steady, and a leak lifts it too.
span=$((total / 20)) base_n=0 base_min=0 next_base=0 end_n=0 end_min=0 next_end=0 sent=0
while :; do
    poll_viewer 60
    if ((frames >= baseline && (base_n == 0 || frames < baseline + span) && frames >= next_base)); then
        rss=$(rss_kib)
        if ((base_n++ == 0 || rss < base_min)); then base_min=$rss; fi
        next_base=$((frames + span / 10))
    fi
    if ((frames >= total - span && frames >= next_end)); then
        rss=$(rss_kib)
        if ((end_n++ == 0 || rss < end_min)); then end_min=$rss; fi
        next_end=$((frames + span / 10))
    fi
    if ((frames >= total && base_n > 0 && end_n > 0)); then break; fi
    if ((sent < keys && frames >= (sent + 1) * total / (keys + 1))); then
        send_key "$(keysym_for "${sequence[sent]}")" || true
        ((++sent))
        continue
    fi
    sleep 0.02
done
growth=$((end_min - base_min))
stop_viewer 120

echo "   frames run: $frames, keys sent: $sent + Escape"
echo "   RSS lowest at frames $baseline+: $base_min KiB, at the end: $end_min KiB"
echo "   RSS growth: $growth KiB (allowed $RSS_ALLOWANCE_KIB KiB)"

problems=()
((status == 0)) || problems+=("exit status $status")
if grep -Eq 'AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|runtime error:' "$dir/stderr"; then
    problems+=("sanitizer report")
fi
((growth <= RSS_ALLOWANCE_KIB)) || problems+=("RSS grew by $growth KiB")
check_echoes "$dir" "${sequence[@]:0:sent}"
grep -Eq '^Time spent traversing the tree: [0-9.e+-]+ seconds\.$' "$dir/output.txt" ||
    problems+=("no exit record in output.txt")
report "$dir/stderr"
