#!/usr/bin/env bash
# Sanitizer soak of the real viewer: an AddressSanitizer + UndefinedBehaviorSanitizer build runs
# under its own Xvfb while a storm of random keys reaches it, then Escape ends it so that the
# leak check runs. The run fails if the viewer dies early, if any sanitizer report appears, if
# it does not exit with status 0, if a key is lost, or if its resident memory grows by more
# than RSS_ALLOWANCE_KIB between the baseline frames and the last frames.
#
#   run-soak.sh [--short|--full] [--seed N] [--self-check]
#     --short       2000 frames, 200 keys, RSS baseline at frame 500 (default)
#     --full        10000 frames, 1000 keys, RSS baseline at frame 1000
#     --seed N      replay the key sequence of an earlier run (the seed is printed)
#     --self-check  instead of the soak, inject a leak, a heap overflow and a memory growth
#                   into short runs and require that each one makes the run fail
#
# The build goes to build-asan/ under the repository root. Needs cmake, a C compiler, Xvfb
# and xdotool.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build="$root/build-asan"

# Once the allocator's quarantine is full (after ~200 frames) single RSS readings of the
# sanitized viewer scatter over about 3 MiB; their low point over a span of frames is steady
# but for a creep of about 1 MiB per 10000 frames that the sanitizer's allocator adds (an
# unsanitized build stays flat). Growth past this allowance between the two spans fails.
RSS_ALLOWANCE_KIB=4096

mode=short
seed=$((RANDOM * 32768 + RANDOM))
self_check=0
while (($#)); do
    case "$1" in
    --short) mode=short ;;
    --full) mode=full ;;
    --seed) seed=${2:?--seed needs a number}; shift ;;
    --self-check) self_check=1 ;;
    -h | --help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run-soak.sh: unknown argument $1" >&2; exit 2 ;;
    esac
    shift
done

for tool in cmake cc Xvfb xdotool; do
    command -v "$tool" >/dev/null || {
        echo "run-soak.sh: $tool not found (scripts/install-deps.sh installs the X tools)" >&2
        exit 2
    }
done

# shellcheck source=soak-lib.sh
source "$here/soak-lib.sh"

asan_runtime=""
soak_setup() {
    viewer=$1
    start_xvfb
    build_shim
    # A viewer linked against the shared ASan runtime requires that runtime to come first in
    # the preload list; a statically linked runtime (clang's default) needs nothing.
    asan_runtime=$(ldd "$viewer" | awk '/libasan\.so/ { print $3; exit }')
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # A 16 MiB quarantine (instead of 256) fills within the first few hundred frames, so the
    # RSS no longer climbs for thousands of frames after the baseline without any leak.
    ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:quarantine_size_mb=16
    export ASAN_OPTIONS=$ASAN_OPTIONS:check_initialization_order=1:detect_stack_use_after_return=1
    export LSAN_OPTIONS=suppressions=$here/lsan.supp
}

sanitizer_report_pattern='AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|runtime error:'

# soak_run FRAMES KEYS BASELINE_FRAME SEED [NAME]: one viewer run; returns non-zero (after
# printing why) when any check fails.
soak_run() {
    local total=$1 keys=$2 baseline=$3 run_seed=$4 name=${5:-soak}
    local dir count i sent=0 window rss peak
    dir=$(make_workdir "$name")
    count="$dir/frames"

    # The key sequence is fixed by the seed: half of the keys are the ones the viewer acts on,
    # the other half any printable character.
    local sequence=()
    RANDOM=$run_seed
    for ((i = 0; i < keys; ++i)); do
        if ((RANDOM % 2)); then
            sequence+=("${active_keys[RANDOM % ${#active_keys[@]}]}")
        else
            sequence+=($((32 + RANDOM % 95)))
        fi
    done

    echo "== $name: $total frames, $keys keys (seed $run_seed), RSS baseline at frame $baseline"
    local run_start=$SECONDS trace=()
    (cd "$dir" && FRAME_COUNTER_FILE="$count" LD_PRELOAD="${asan_runtime:+$asan_runtime:}$shim" \
        exec "$viewer" >"$dir/stdout" 2>"$dir/stderr") &
    viewer_pid=$!
    window=$(wait_for_window "$viewer_pid" 60) || { show_stderr "$dir"; echo "no viewer window"; return 1; }

    local last_progress=$SECONDS last_frames=-1
    local span=$((total / 20)) base_n=0 base_min=0 next_base=0 end_n=0 end_min=0 next_end=0
    frames=0
    while :; do
        read_frames "$count"
        if ! kill -0 "$viewer_pid" 2>/dev/null; then
            show_stderr "$dir"
            echo "viewer died at frame $frames"
            return 1
        fi
        if ((frames != last_frames)); then last_frames=$frames last_progress=$SECONDS; fi
        if ((SECONDS - last_progress > 60)); then
            echo "viewer hung: no frame for 60 s at frame $frames"
            return 1
        fi
        # Per-frame allocations make single RSS readings jump by a few MiB; the lowest of
        # several readings over a span of frames is steady, and a leak lifts it too.
        if ((frames >= baseline && (base_n == 0 || frames < baseline + span) && frames >= next_base)); then
            rss=$(rss_kib "$viewer_pid")
            if ((base_n++ == 0 || rss < base_min)); then base_min=$rss; fi
            next_base=$((frames + span / 10))
        fi
        if ((frames >= total - span && frames >= next_end)); then
            rss=$(rss_kib "$viewer_pid")
            if ((end_n++ == 0 || rss < end_min)); then end_min=$rss; fi
            next_end=$((frames + span / 10))
        fi
        # A trace of ten samples shows a trend that the two-point check may hide in noise.
        if ((frames >= (${#trace[@]} + 1) * total / 10 && ${#trace[@]} < 9)); then
            trace+=("$frames:$(rss_kib "$viewer_pid")")
        fi
        if ((frames >= total && base_n > 0 && end_n > 0)); then break; fi
        if ((sent < keys && frames >= (sent + 1) * total / (keys + 1))); then
            send_key "$window" "$(keysym_for "${sequence[sent]}")" || true
            ((++sent))
            continue
        fi
        sleep 0.02
    done
    peak=$(peak_rss_kib "$viewer_pid")
    trace+=("$frames:$(rss_kib "$viewer_pid")")
    local end_frame=$frames growth=$((end_min - base_min))

    # Escape last: the leak check runs when the process exits.
    send_key "$window" Escape || true
    local status=0 waited=0
    while kill -0 "$viewer_pid" 2>/dev/null && ((waited < 1200)); do sleep 0.1; ((++waited)); done
    if kill -0 "$viewer_pid" 2>/dev/null; then
        echo "viewer did not exit within 120 s of Escape"
        return 1
    fi
    wait "$viewer_pid" || status=$?
    viewer_pid=""
    local run_seconds=$((SECONDS - run_start))

    echo "   frames run:       $end_frame"
    echo "   keys sent:        $sent + Escape"
    echo "   RSS, frames $baseline-$((baseline + span)): $base_min KiB (lowest of $base_n readings)"
    echo "   RSS, frames $((total - span))-$end_frame: $end_min KiB (lowest of $end_n readings)"
    echo "   RSS growth:       $growth KiB (allowed $RSS_ALLOWANCE_KIB KiB); peak RSS $peak KiB"
    echo "   RSS trace (frame:KiB): ${trace[*]}"
    echo "   run time:         $run_seconds s"

    local problems=()
    ((status == 0)) || problems+=("exit status $status")
    if grep -Eq "$sanitizer_report_pattern" "$dir/stderr"; then problems+=("sanitizer report"); fi
    ((growth <= RSS_ALLOWANCE_KIB)) || problems+=("RSS grew by $growth KiB")
    # Every key must have arrived, in order, and been echoed before the viewer acted on it.
    local expected echoed
    expected=$(printf 'key: %d\n' "${sequence[@]:0:sent}" 27)
    echoed=$(grep '^key: ' "$dir/stdout" || true)
    [[ "$echoed" == "$expected" ]] ||
        problems+=("echoed keys differ from those sent ($(wc -l <<<"$echoed") echoed, $((sent + 1)) sent)")
    grep -Eq '^Time spent traversing the tree: [0-9.e+-]+ seconds\.$' "$dir/output.txt" ||
        problems+=("no exit record in output.txt")

    if ((${#problems[@]})); then
        show_stderr "$dir"
        local joined
        printf -v joined '%s; ' "${problems[@]}"
        echo "   problems: ${joined%; }"
        return 1
    fi
    if [[ -s "$dir/stderr" ]]; then
        echo "   viewer stderr (no sanitizer report):"
        sed 's/^/     /' "$dir/stderr"
    fi
    echo "   PASS"
}

show_stderr() {
    [[ -s "$1/stderr" ]] || return 0
    echo "---- viewer stderr (first 80 lines) ----"
    head -n 80 "$1/stderr"
    echo "----"
}

# Each injected fault must turn a short run into a failure; a clean short run must pass.
soak_self_check() {
    local fault ok=1
    for fault in none leak overflow growth; do
        local result=0
        export SOAK_INJECT_FAULT=$fault
        soak_run 900 20 300 1 "self-check-$fault" >"$scratch/self-check-$fault.log" 2>&1 ||
            result=$?
        local outcome
        outcome=$(tail -n 1 "$scratch/self-check-$fault.log" | sed 's/^ *//')
        if [[ $fault == none ]]; then
            if ((result == 0)); then echo "   clean run passes"; else echo "   clean run FAILED: $outcome"; ok=0; fi
        elif ((result != 0)); then
            echo "   injected $fault is caught: $outcome"
        else
            echo "   injected $fault NOT caught"
            ok=0
        fi
    done
    ((ok)) || fail "self-check failed (logs in $scratch)"
}

started=$(date +%s)
echo "== building the sanitized viewer in $build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISEL_SANITIZE=ON \
    -DBRISEL_TESTS=OFF -DBRISEL_BENCH=OFF >"$build.configure.log" 2>&1 ||
    { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target brisel -j "$(nproc)" >"$build.build.log" 2>&1 ||
    { cat "$build.build.log"; exit 1; }
rm -f "$build.configure.log" "$build.build.log"
echo "   built in $(($(date +%s) - started)) s"

soak_setup "$build/brisel"

if ((self_check)); then
    soak_self_check
else
    case "$mode" in
    short) soak_run 2000 200 500 "$seed" || fail "soak run failed" ;;
    full) soak_run 10000 1000 1000 "$seed" || fail "soak run failed" ;;
    esac
fi
echo "== total wall time $(($(date +%s) - started)) s"
