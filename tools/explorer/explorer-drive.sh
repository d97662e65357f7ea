# Drives a running culling-explorer on the X server in $DISPLAY; sourced by the tour and the
# end-to-end test. Every key the explorer gets is followed, after the next frame, by a line
# "state keys=N ..." on its standard output: that is how a driver knows a key has taken effect.

# Starts the explorer with its output in $2/stdout and $2/stderr; sets `pid` and `window`.
startExplorer() { # binary, work folder, explorer options...
    work=$2
    "$1" "${@:3}" > "$work/stdout" 2> "$work/stderr" &
    pid=$!
    sent=0
    window=
    for _ in $(seq 200); do
        kill -0 "$pid" 2> /dev/null || { echo "the explorer exited early:" >&2; cat "$work/stderr" >&2; return 1; }
        window=$(xdotool search --onlyvisible --name '^- culling explorer -$' 2> /dev/null | head -n 1 || true)
        [[ -n $window ]] && break
        sleep 0.1
    done
    [[ -n $window ]] || { echo "no explorer window after 20 s" >&2; return 1; }
    # Without a window manager the window sits at (-1, -1); bring all of it on screen.
    xdotool windowmove "$window" 0 0 2> /dev/null || true
}

press() { # key, times
    local keys=()
    for _ in $(seq "$2"); do keys+=("$1"); done
    xdotool key --window "$window" --delay 15 "${keys[@]}" 2> /dev/null
    sent=$((sent + $2))
}

# Sets `line` to the state line of the frame after the last key (p changes nothing but prints it).
state() {
    press p 1
    for _ in $(seq 300); do
        line=$(grep "^state keys=$sent " "$work/stdout") && return
        sleep 0.1
    done
    echo "no state line after $sent keys; the last lines:" >&2
    tail -n 4 "$work/stdout" >&2
    return 1
}

field() { sed -n "s/.* $2=\([^ ]*\).*/\1/p" <<< "$1"; }

# Escape; sets `status` to the explorer's exit status.
stopExplorer() {
    xdotool key --window "$window" Escape 2> /dev/null || true # the window may vanish mid-key
    for _ in $(seq 100); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
    status=0
    wait "$pid" || status=$?
}
