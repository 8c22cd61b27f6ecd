# A private X display for Wine programs, and the cleanup that ends it together
# with this prefix's Wine server; sourced after cmake/wine-env.sh, not executed.
#   start_private_display WIDTHxHEIGHT FIRST LAST
# starts Xvfb on the first free display number in FIRST..LAST, waits until it
# accepts connections, exports DISPLAY and arranges the cleanup on exit.
xvfb_pid=
stop_private_display() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}

start_private_display() {
    local size=$1 n
    trap stop_private_display EXIT
    for n in $(seq "$2" "$3"); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    echo "could not start Xvfb on displays $2..$3" >&2
    return 1
}
