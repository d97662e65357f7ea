# shellcheck shell=bash disable=SC2034,SC2154
# Helpers shared by run-soak.sh and run-valgrind.sh: the build, a private Xvfb, a scratch
# working directory holding data/, the preload shim, and one viewer run driven by its frames.
# Expects $here (this folder) and $root (the repository root) to be set by the caller.

scratch=""     # temporary directory of this run; kept when the run fails
xvfb_pid=""
viewer_pid=""
keep_scratch=0 # set by a failing check
problems=()

cleanup() {
    local status=$?
    for pid in "$viewer_pid" "$xvfb_pid"; do
        if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    if [[ -n "$scratch" ]]; then
        if ((status != 0 || keep_scratch)); then echo "   logs kept in $scratch" >&2; else rm -rf "$scratch"; fi
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    keep_scratch=1
    exit 1
}

require_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null ||
            { echo "$tool not found (scripts/install-deps.sh installs the X tools)" >&2; exit 2; }
    done
}

# build_viewer DIR CMAKE_OPTION...: builds the viewer alone into DIR; sets $viewer.
build_viewer() {
    local build=$1
    shift
    echo "== building the viewer in $build"
    { cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISEL_TESTS=OFF \
        -DBRISEL_BENCH=OFF "$@" && cmake --build "$build" --target brisel -j "$(nproc)"; } \
        >"$build.log" 2>&1 || { cat "$build.log"; exit 1; }
    rm -f "$build.log"
    viewer="$build/brisel"
}

# Starts an Xvfb of its own on a display number it picks itself, so parallel runs never meet.
start_xvfb() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/brisel-soak.XXXXXX")
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for ((tries = 0; tries < 100; ++tries)); do
        if [[ -s "$scratch/display" ]]; then
            export DISPLAY=":$(tr -d '[:space:]' <"$scratch/display")"
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    cat "$scratch/xvfb.log" >&2
    fail "Xvfb did not start"
}

# The preload shim: frame counter, and shared libraries kept loaded so leak stacks stay named.
build_shim() {
    shim="$scratch/soak_shim.so"
    cc -shared -fPIC -O2 -Wall -Wextra -o "$shim" "$here/frame_counter.c" "$here/keep_libraries.c" -ldl ||
        fail "could not build the preload shim"
    preload=$shim
}

# A fresh working directory with a copy of data/: the viewer reads data/cube.geo from it and
# writes output.txt into it.
make_workdir() {
    mkdir -p "$scratch/$1"
    cp -r "$root/data" "$scratch/$1/"
    echo "$scratch/$1"
}

# start_viewer DIR SECONDS COMMAND...: runs COMMAND in DIR with the shim preloaded and waits up
# to SECONDS for its window; sets $viewer_pid, $window and $diagnostics (shown on failure).
start_viewer() {
    run_dir=$1 diagnostics=${diagnostics:-$1/stderr}
    local seconds=$2 start=$SECONDS
    shift 2
    (cd "$run_dir" && FRAME_COUNTER_FILE="$run_dir/frames" LD_PRELOAD="$preload" exec "$@" \
        >"$run_dir/stdout" 2>"$run_dir/stderr") &
    viewer_pid=$!
    window=""
    while [[ -z "$window" ]]; do
        kill -0 "$viewer_pid" 2>/dev/null && ((SECONDS - start < seconds)) ||
            { tail -n 60 "$diagnostics" >&2; fail "no viewer window"; }
        sleep 0.2
        window=$(xdotool search --name '^- Brisel Project -$' 2>/dev/null | head -n 1) || true
    done
    frames=0 last_frames=-1 last_progress=$SECONDS
}

# poll_viewer SECONDS: sets $frames to the frames drawn so far; fails when the viewer has died
# or has drawn nothing for SECONDS.
poll_viewer() {
    local n=""
    { read -r n <"$run_dir/frames"; } 2>/dev/null || true
    if [[ "$n" =~ ^[0-9]+$ ]]; then frames=$n; fi
    kill -0 "$viewer_pid" 2>/dev/null || { tail -n 60 "$diagnostics" >&2; fail "viewer died at frame $frames"; }
    if ((frames != last_frames)); then last_frames=$frames last_progress=$SECONDS; fi
    ((SECONDS - last_progress <= $1)) || fail "viewer hung at frame $frames"
}

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$viewer_pid/status" 2>/dev/null || echo 0; }

# stop_viewer SECONDS: sends Escape and waits for the exit; sets $status.
stop_viewer() {
    send_key Escape || true
    local waited=0
    while kill -0 "$viewer_pid" 2>/dev/null && ((waited < $1 * 10)); do sleep 0.1; ((++waited)); done
    kill -0 "$viewer_pid" 2>/dev/null && fail "viewer did not exit within $1 s of Escape"
    status=0
    wait "$viewer_pid" || status=$?
    viewer_pid=""
}

# check_echoes DIR CODE...: every key sent, then Escape, must have been echoed in order.
check_echoes() {
    local dir=$1 expected
    shift
    expected=$(printf 'key: %d\n' "$@" 27)
    [[ "$(grep '^key: ' "$dir/stdout" || true)" == "$expected" ]] || problems+=("echoed keys differ from those sent")
}

# report FILE: fails with the problems found (showing FILE), or passes.
report() {
    if ((${#problems[@]})); then
        head -n 80 "$1" >&2
        local joined
        printf -v joined '%s; ' "${problems[@]}"
        fail "${joined%; }"
    fi
    echo "   PASS"
}

# X keysym names of the printable ASCII characters, indexed by code - 32.
ascii_keysyms=(space exclam quotedbl numbersign dollar percent ampersand apostrophe parenleft
    parenright asterisk plus comma minus period slash 0 1 2 3 4 5 6 7 8 9 colon semicolon less
    equal greater question at A B C D E F G H I J K L M N O P Q R S T U V W X Y Z bracketleft
    backslash bracketright asciicircum underscore grave a b c d e f g h i j k l m n o p q r s t u
    v w x y z braceleft bar braceright asciitilde)

# The keys the viewer acts on (besides Escape): both camera spins, threshold, reset and lock.
active_keys=(39 59 44 46 45 61 53 99)

keysym_for() { echo "${ascii_keysyms[$1 - 32]}"; }

# xdotool warns about input focus on a bare X server: its stderr is noise here.
send_key() { xdotool key --window "$window" "$1" 2>/dev/null; }
