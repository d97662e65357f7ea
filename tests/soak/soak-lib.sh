# shellcheck shell=bash disable=SC2034,SC2154
# Helpers shared by run-soak.sh and run-valgrind.sh: a private Xvfb, a scratch working
# directory holding data/, the preload shim, the viewer's window and key sending.
# Expects $here (this folder) and $root (the repository root) to be set by the caller.

scratch=""     # temporary directory of this run; kept when the run fails
xvfb_pid=""
viewer_pid=""
shim=""        # preload shim: frame counter, libraries kept loaded, fault injection
keep_scratch=0 # set by a failing check

cleanup() {
    local status=$?
    if [[ -n "$viewer_pid" ]] && kill -0 "$viewer_pid" 2>/dev/null; then
        kill "$viewer_pid" 2>/dev/null || true
        wait "$viewer_pid" 2>/dev/null || true
    fi
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [[ -n "$scratch" ]]; then
        if ((status != 0 || keep_scratch)); then
            echo "   logs kept in $scratch" >&2
        else
            rm -rf "$scratch"
        fi
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

# Starts an Xvfb of its own on a display number it picks itself, so parallel runs never meet.
start_xvfb() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/brisel-soak.XXXXXX")
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" \
        >"$scratch/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local tries
    for ((tries = 0; tries < 100; ++tries)); do
        if [[ -s "$scratch/display" ]]; then
            DISPLAY=":$(tr -d '[:space:]' <"$scratch/display")"
            export DISPLAY
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    cat "$scratch/xvfb.log" >&2
    fail "Xvfb did not start"
}

# A fresh working directory with a copy of data/: the viewer reads data/cube.geo from it and
# writes output.txt into it.
make_workdir() {
    local dir="$scratch/$1"
    mkdir -p "$dir"
    cp -r "$root/data" "$dir/"
    echo "$dir"
}

# The fault injection stays inert unless SOAK_INJECT_FAULT names a fault.
build_shim() {
    shim="$scratch/soak_shim.so"
    cc -shared -fPIC -O2 -Wall -Wextra -o "$shim" "$here/frame_counter.c" "$here/keep_libraries.c" \
        "$here/fault_injection.c" -ldl || fail "could not build the preload shim"
}

# Sets $frames to the number of frames drawn so far, as published by the shim.
frames=0
read_frames() {
    local n=""
    if [[ -r "$1" ]]; then read -r n <"$1" || true; fi
    if [[ "$n" =~ ^[0-9]+$ ]]; then frames=$n; fi
}

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }
peak_rss_kib() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }

# Waits until the viewer's window exists; prints its id.
wait_for_window() {
    local pid=$1 seconds=$2 start=$SECONDS id
    while ((SECONDS - start < seconds)); do
        kill -0 "$pid" 2>/dev/null || return 1
        id=$(xdotool search --name '^- Brisel Project -$' 2>/dev/null | head -n 1) || true
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
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
send_key() { xdotool key --window "$1" "$2" 2>/dev/null; }
