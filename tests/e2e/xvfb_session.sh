# Sourced by the end-to-end tests: a private X display at 96 dpi and a
# portable copy of the built program in a temporary root.
#   start_display; install_copy <stage dir>; ... ; (cleanup runs on exit)

root=""
xvfb_pid=""
app_pid=""

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$root" ] && rm -rf "$root"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_display() {
    for n in $(seq 91 160); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            DISPLAY=":$n"
            break
        fi
    done
    export DISPLAY
    Xvfb "$DISPLAY" -screen 0 1280x800x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "Xvfb did not start on $DISPLAY"
}

install_copy() {
    root=$(mktemp -d)
    cp -a "$1"/. "$root"/
    rm -rf "$root/User" "$root/system"
    mkdir -p "$root/User" "$root/system"
}

# Waits for a window whose title is $1 and prints its id.
wait_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

screenshot() {
    mkdir -p "$(dirname "$1")"
    import -window root "$1"
}
