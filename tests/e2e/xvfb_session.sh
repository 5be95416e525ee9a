# Sourced by the end-to-end tests: a private X display at 96 dpi and a
# portable copy of the built program in a temporary root.
#   start_display; install_copy <stage dir>; ... ; (cleanup runs on exit)
# or, for a test that begins with a new learner at the main window:
#   start_as_new_learner <stage dir> <name> <password>

# Window titles are Chinese: xdotool matches them only in a UTF-8 locale.
. "$(dirname "$0")/../../scripts/utf8-locale.sh"

root=""
display_file=""
xvfb_pid=""
app_pid=""

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$root" ] && rm -rf "$root"
    [ -n "$display_file" ] && rm -f "$display_file"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Xvfb picks a free display itself and names it, so two runs on one machine
# never meet on the same display. Two servers choosing at the same moment can
# both take the same free number, and the loser, as root, removes the
# winner's socket as it gives up; so starts take turns, each holding a lock
# on /tmp (which every user may open) until its server answers.
start_display() {
    display_file=$(mktemp)
    exec 9</tmp
    flock 9
    Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp \
        3>"$display_file" 9<&- >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        if [ -s "$display_file" ]; then
            DISPLAY=":$(head -n 1 "$display_file")"
            export DISPLAY
            if xdpyinfo >/dev/null 2>&1; then
                exec 9<&-
                return 0
            fi
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb ended before it opened a display"
        sleep 0.1
    done
    fail "Xvfb opened no display within 10 s"
}

install_copy() {
    root=$(mktemp -d)
    cp -a "$1"/. "$root"/
    rm -rf "$root/User"
    # A fresh system folder, but for the characters the program ships there.
    find "$root/system" -mindepth 1 -maxdepth 1 ! -name msagent -exec rm -rf {} +
    mkdir -p "$root/User" "$root/system"
}

# Waits for a window whose title matches $1 and prints its id; fails at once,
# saying so, when none has come within 20 s.
wait_window() {
    # Polled rather than "search --sync": xdotool gives up at once when a
    # window it is looking at closes meanwhile (the login window making way
    # for the main window).
    for _ in $(seq 1 200); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        sleep 0.1
    done
    fail "no window titled '$1' appeared within 20 s"
}

screenshot() {
    mkdir -p "$(dirname "$1")"
    import -window root "$1"
}

# Waits up to 5 s for process $1 to end; fails when it is still running.
wait_ended() {
    for _ in $(seq 1 50); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Starts the program in a new root and creates the learner at the login
# window; $main is then the main window.
start_as_new_learner() {
    start_display
    install_copy "$1"
    "$root/tawen" &
    app_pid=$!
    login=$(wait_window '^用户登录$') || fail "no login window"
    xdotool windowfocus --sync "$login"
    sleep 0.3
    xdotool type --delay 40 "$2"
    xdotool key Tab
    xdotool type --delay 40 "$3"
    xdotool key Return
    main=$(wait_window '^塔文英语单词$') || fail "no main window after login"
    sleep 0.5
}
