#!/bin/sh
# Run by install_test.sh as a new OS user whose HOME is empty: the installed
# program shows its login window with its icon, a learner is created whose
# files land in ~/.local/share/tawen while the courses are read from the
# prefix, and changing user comes back through the installed vexo.
#   installed_session.sh <prefix> <screenshot dir>
set -eu
. "$(dirname "$0")/../e2e/xvfb_session.sh"
prefix=$1
shots=$2
own="$HOME/.local/share/tawen"

# The window's icon is the program's: _NET_WM_ICON holds its drawings from
# 16 to 64 px, the sizes title bars and switchers draw. The login window gets
# it just after its first paint, so it is given a moment.
has_icon() {
    tries=0
    while :; do
        icons=$(xprop -id "$1" _NET_WM_ICON | grep -c 'Icon ([0-9]* x [0-9]*)') || true
        [ "$icons" -ge 6 ] && return 0
        tries=$((tries + 1))
        [ "$tries" -lt 20 ] || fail "the window $2 does not carry the program's icon"
        sleep 0.1
    done
}

start_display
"$prefix/bin/tawen" &
app_pid=$!
login=$(wait_window '^用户登录$') || fail "no login window"
has_icon "$login" 用户登录
xdotool windowfocus --sync "$login"
sleep 0.3
xdotool type --delay 40 'erin'
xdotool key Tab
xdotool type --delay 40 'pw'
xdotool key Return
main=$(wait_window '^塔文英语单词$') || fail "no main window after creating a learner"
sleep 1
screenshot "$shots/install-main.png"
has_icon "$main" 塔文英语单词
xdotool search --onlyvisible --name '^错误提示$' >/dev/null &&
    fail "an error came up: the default course was not read from $prefix/share/tawen"
[ -f "$own/User/erin.ini" ] || fail "no settings file in $own/User"
[ -s "$own/system/List.sys" ] || fail "no user list in $own/system"
courses=$(find "$own" -name '*.twn' | wc -l)
[ "$courses" -eq 0 ] || fail "the learner's root holds course files of its own"
[ ! -e "$prefix/share/tawen/User" ] || fail "the program wrote into the prefix"

# Changing user: tawen finds vexo in libexec/tawen, vexo finds tawen in bin.
xdotool windowfocus --sync "$main"
xdotool key alt+u
sleep 0.3
xdotool key c
wait_ended "$app_pid" || fail "the program did not end for the change of user"
wait_window '^用户登录$' >/dev/null || fail "vexo brought no login window back"
app_pid=$(pgrep -u "$(id -u)" -f "^$prefix/bin/tawen" | head -n 1)
[ -n "$app_pid" ] || fail "the login window is not the installed tawen's"
echo "PASS: the installed program ran from $prefix"
