#!/bin/sh
# The real program in a real X session with a real (silent) sound output: a
# new learner types a name and a password into the login window and gets a
# main window and their files; changes user and comes back through vexo; then
# opens the library, plays the flashcards and opens the small window.
#   login_e2e.sh <stage dir> <artifact dir>
set -eu
. "$(dirname "$0")/xvfb_session.sh"
artifacts=$2

start_display
install_copy "$1"
"$root/tawen" &
app_pid=$!

login=$(wait_window '^用户登录$') || fail "no login window"
xdotool windowfocus --sync "$login"
sleep 0.3
xdotool type --delay 40 'alice'
xdotool key Tab
xdotool type --delay 40 'pw123'
screenshot "$artifacts/e2e-login.png"
xdotool key Return

main=$(wait_window '^塔文英语单词$') || fail "no main window after login"
sleep 0.5
screenshot "$artifacts/e2e-main.png"

[ "$(stat -c %s "$root/system/List.sys")" -eq 36 ] || fail "List.sys is not one record"
head -c 18 "$root/system/List.sys" | grep -q '^alice *$' || fail "List.sys does not hold alice"
ini="$root/User/alice.ini"
[ -f "$ini" ] || fail "no settings file for alice"
sections=$(iconv -f GB18030 -t UTF-8 "$ini" | tr -d '\r' | grep '^\[' | tr '\n' ' ')
[ "$sections" = "[词库] [初记] [复习] [巩固] [小窗口] " ] || fail "sections are: $sections"
iconv -f GB18030 -t UTF-8 "$ini" | grep -q '^名称=小学英语第一册' || fail "no default course"
kill -0 "$app_pid" || fail "the program ended"

# Changing user: the program hands over to vexo and ends; vexo brings back
# the login window, where alice logs in again with her password.
xdotool windowfocus --sync "$main"
xdotool key alt+u
sleep 0.3
xdotool key c
wait_ended "$app_pid" || fail "the program did not end within 5 s for the change of user"
login=$(wait_window '^用户登录$') || fail "no login window after changing user"
app_pid=$(pgrep -f "^$root/tawen" | head -n 1)
[ -n "$app_pid" ] || fail "vexo started no tawen"
xdotool windowfocus --sync "$login"
sleep 0.3
xdotool type --delay 40 'alice'
xdotool key Tab
xdotool type --delay 40 'pw123'
xdotool key Return
main=$(wait_window '^塔文英语单词$') || fail "alice could not log in again"
[ "$(stat -c %s "$root/system/List.sys")" -eq 36 ] || fail "logging in again added a user"

xdotool windowfocus --sync "$main"
xdotool key ctrl+w
wait_window '塔文英语单词 - \[词库\]' >/dev/null || fail "Ctrl+W opened no library window"
sleep 0.5
screenshot "$artifacts/e2e-library.png"
kill -0 "$app_pid" || fail "the program ended"

# From the library window's study menu to the flashcards, and playing them.
library=$(wait_window '塔文英语单词 - \[词库\]')
xdotool windowfocus --sync "$library"
xdotool key alt+s
sleep 0.3
xdotool key f
first=$(wait_window '塔文英语单词 - \[初学\]') || fail "the study menu opened no first-learn window"
xdotool windowfocus --sync "$first"
xdotool key alt+p
sleep 2.5
screenshot "$artifacts/e2e-first-learn.png"
# The word was spoken: a failed reading would have put up its message.
xdotool search --onlyvisible --name '^错误提示$' >/dev/null && fail "the word could not be spoken"

# The ticker over everything else.
xdotool key ctrl+l
wait_window '^小窗口$' >/dev/null || fail "Ctrl+L opened no small window"
sleep 1.5
screenshot "$artifacts/e2e-small-window.png"
kill -0 "$app_pid" || fail "the program ended"
xdotool search --onlyvisible --name '塔文英语单词 - \[初学\]' >/dev/null &&
    fail "the first-learn window stayed open beside the small window"
echo "PASS: alice logged in, came back after a change of user, opened the library, played flashcards and the ticker"
