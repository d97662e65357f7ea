#!/usr/bin/env bash
# A long run of an ASan + UBSan build of the real viewer under a private Xvfb, paced by its frame
# count, with a storm of random keys, ended with Escape. Fails on any sanitizer or leak report, a
# lost key, a non-zero exit, no exit record, or resident memory that grows by more than 4 MiB from
# the baseline frames to the last ones.
#   run-soak.sh [--short|--full] [--seed N]: --short 2000 frames, 200 keys (default); --full 10000
#   frames, 1000 keys (about 3 minutes); --seed replays the keys of an earlier run.
# Builds into build-asan/. Needs cmake, cc, Xvfb and xdotool.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
total=2000 keys=200 baseline=500 seed=$((RANDOM * 32768 + RANDOM))
while (($#)); do
    case "$1" in
    --short) total=2000 keys=200 baseline=500 ;;
    --full) total=10000 keys=1000 baseline=1000 ;;
    --seed) seed=${2:?--seed needs a number}; shift ;;
    *) echo "usage: run-soak.sh [--short|--full] [--seed N]" >&2; exit 2 ;;
    esac
    shift
done
for tool in cmake cc Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool not found: scripts/install-deps.sh installs it" >&2; exit 2; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/brisel-soak.XXXXXX") xvfb_pid="" viewer_pid="" problems=()
trap 'status=$?; kill $viewer_pid $xvfb_pid 2>/dev/null; ((status)) && echo "   logs kept in $scratch" >&2 || rm -rf "$scratch"' EXIT
trap 'exit 130' INT TERM
fail() { echo "FAIL: $*" >&2; exit 1; }

build=$root/build-asan
echo "== building the viewer in $build"
{ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISEL_TESTS=OFF -DBRISEL_BENCH=OFF \
    -DBRISEL_SANITIZE=ON && cmake --build "$build" --target brisel -j "$(nproc)"; } >"$scratch/build.log" 2>&1 ||
    { cat "$scratch/build.log"; exit 1; }

# An Xvfb of its own, on a display number it picks itself, so parallel runs never meet.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $scratch/display ]] || sleep 0.1; done
[[ -s $scratch/display ]] || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
export DISPLAY=":$(tr -d '[:space:]' <"$scratch/display")"

# The preload shim counts frames and keeps libraries loaded so that leak stacks stay named.
preload=$scratch/soak_shim.so
cc -shared -fPIC -O2 -Wall -o "$preload" "$here/frame_counter.c" "$here/keep_libraries.c" -ldl ||
    fail "could not build the preload shim"
dir=$scratch/run
mkdir "$dir" && cp -r "$root/data" "$dir/"
# Half of the keys are ones the viewer acts on, the other half any printable character.
active=(39 59 44 46 45 61 53 99) sequence=() patience=60
RANDOM=$seed
for ((i = 0; i < keys; ++i)); do
    if ((RANDOM % 2)); then sequence+=("${active[RANDOM % 8]}"); else sequence+=($((32 + RANDOM % 95))); fi
done
# A shared ASan runtime must come first in the preload list.
runtime=$(ldd "$build/brisel" | awk '/libasan\.so/ { print $3; exit }')
preload=${runtime:+$runtime:}$preload
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 LSAN_OPTIONS=suppressions=$here/lsan.supp
# A 16 MiB quarantine fills within a few hundred frames; after that the RSS stays flat.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:quarantine_size_mb=16:detect_stack_use_after_return=1
echo "== soak: $total frames, $keys keys (seed $seed)"
(cd "$dir" && FRAME_COUNTER_FILE=$dir/frames LD_PRELOAD=$preload exec "$build/brisel" >stdout 2>stderr) &
viewer_pid=$!
start=$SECONDS window=""
while [[ -z $window ]]; do
    kill -0 "$viewer_pid" 2>/dev/null && ((SECONDS - start < patience)) || { tail -n 60 "$dir/stderr" >&2; fail "no window"; }
    sleep 0.2
    window=$(xdotool search --name '^- Brisel Project -$' 2>/dev/null | head -n 1) || true
done

# Single RSS readings jump by a few MiB with the per-frame allocations; the lowest of several
# readings over a span of frames is steady, and a leak lifts it too.
frames=0 last=-1 progress=$SECONDS sent=0 span=$((total / 20)) next=0 base=0 base_n=0 end=0 end_n=0
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$viewer_pid/status" 2>/dev/null || echo 0; }
while :; do
    frames=$(($(cat "$dir/frames" 2>/dev/null || echo 0)))
    kill -0 "$viewer_pid" 2>/dev/null || { tail -n 60 "$dir/stderr" >&2; fail "viewer died at frame $frames"; }
    ((frames != last)) && last=$frames progress=$SECONDS
    ((SECONDS - progress <= patience)) || fail "viewer hung at frame $frames"
    if ((frames >= next)); then
        next=$((frames + span / 10))
        ((frames >= baseline && (base_n == 0 || frames < baseline + span))) && r=$(rss) && ((base_n++ == 0 || r < base)) && base=$r
        ((frames >= total - span)) && r=$(rss) && ((end_n++ == 0 || r < end)) && end=$r
    fi
    ((frames >= total && end_n > 0)) && break
    if ((sent < keys && frames >= 3 + sent * (total - 5) / keys)); then
        xdotool key --window "$window" "$(printf '0x%x' "${sequence[sent]}")" 2>/dev/null || true
        ((++sent))
    else
        sleep 0.05
    fi
done
xdotool key --window "$window" Escape 2>/dev/null || true
for ((i = 0; i < patience * 20; ++i)); do kill -0 "$viewer_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$viewer_pid" 2>/dev/null && fail "viewer did not exit after Escape"
status=0
wait "$viewer_pid" || status=$?
viewer_pid=""

echo "   frames run: $frames, keys sent: $sent + Escape, exit status: $status"
((status == 0)) || problems+=("exit status $status")
[[ "$(grep '^key: ' "$dir/stdout" || true)" == "$(printf 'key: %d\n' "${sequence[@]:0:sent}" 27)" ]] ||
    problems+=("echoed keys differ from those sent")
echo "   RSS lowest at frames $baseline+: $base KiB, at the end: $end KiB (growth allowed: 4096 KiB)"
((end - base <= 4096)) || problems+=("RSS grew by $((end - base)) KiB")
! grep -Eq 'AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|runtime error:' "$dir/stderr" ||
    problems+=("sanitizer report")
grep -Eq '^Time spent traversing the tree: [0-9.e+-]+ seconds\.$' "$dir/output.txt" || problems+=("no exit record")
if ((${#problems[@]})); then
    head -n 80 "$dir/stderr" >&2
    fail "$(IFS=';'; echo "${problems[*]}")"
fi
echo "   PASS"
