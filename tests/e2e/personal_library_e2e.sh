#!/bin/sh
# The real program in a real X session: a new learner opens 工具 → 整理个人词库
# from the main window, adds a word through the keyboard, saves, and finds
# 用户个人生词库 in the library window with that word in the grid.
#   personal_library_e2e.sh <stage dir> <artifact dir>
set -eu
. "$(dirname "$0")/xvfb_session.sh"
artifacts=$2

start_as_new_learner "$1" carol pw

xdotool windowfocus --sync "$main"
xdotool key alt+t
sleep 0.3
xdotool key Return
organizer=$(wait_window '^整理个人词库　共0个词$') || fail "工具 → 整理个人词库 opened no organizer"
sleep 0.3

# 增加 is the first button of the column at the right (twips 4680, 60; 15 a pixel).
xdotool mousemove --window "$organizer" 357 15 click 1
box=$(wait_window '^增加$') || fail "增加 asked for no word"
xdotool windowfocus --sync "$box"
xdotool type --delay 40 'ice cream'
xdotool key Return
sleep 0.5
box=$(wait_window '^增加$') || fail "增加 asked for no meaning"
xdotool windowfocus --sync "$box"
xdotool type --delay 40 'bingqilin'
xdotool key Return
organizer=$(wait_window '^整理个人词库　共1个词$') || fail "the word was not added"
sleep 0.3
screenshot "$artifacts/e2e-organizer.png"

# 保存, the last of the seven buttons.
xdotool mousemove --window "$organizer" 357 177 click 1
sleep 0.5
xdotool search --onlyvisible --name '^错误提示$' >/dev/null && fail "saving was refused"
"$root/tawen-mklib" list --key personal "$root/Word/Usercarol.twn" | grep -q 'ice cream' ||
    fail "the personal library does not hold the word"
xdotool windowfocus --sync "$organizer"
xdotool key Escape
sleep 0.3

xdotool windowfocus --sync "$main"
xdotool key ctrl+w
library=$(wait_window '塔文英语单词 - \[词库\]') || fail "Ctrl+W opened no library window"
sleep 0.5
xdotool windowfocus --sync "$library"
# The course list's first row, then the last one: the personal library.
xdotool mousemove --window "$library" 60 110 click 1
xdotool key End
sleep 0.5
screenshot "$artifacts/e2e-personal-library.png"
# Every course but two ships without its file here: had End reached one of
# them instead of the personal library, the library window would say so.
xdotool search --onlyvisible --name '^错误提示$' >/dev/null &&
    fail "the last row of the course list is not the personal library"
kill -0 "$app_pid" || fail "the program ended"
echo "PASS: carol added a word in the organizer, saved it and chose 用户个人生词库 in the library"
