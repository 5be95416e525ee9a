#!/bin/sh
# The real program in a real X session: a new learner opens 工具 → 口语对话
# from the main window, presses 开始, and the two characters come onto the
# desktop and read the lines in turn, each in a speech balloon; 暂停 stops
# them, and 返回 on a character's right-click menu closes the dialogue and
# takes the characters away.
#   dialogue_e2e.sh <stage dir> <artifact dir>
set -eu
. "$(dirname "$0")/xvfb_session.sh"
artifacts=$2

start_as_new_learner "$1" erin pw

xdotool windowfocus --sync "$main"
xdotool key alt+t
sleep 0.4
xdotool key Down Return
dialogue=$(wait_window '^口语对话$') || fail "工具 → 口语对话 opened no dialogue"
sleep 0.5

# 开始, beside 加载新对话 under the list.
xdotool mousemove --window "$dialogue" 137 415 click 1
bao=$(wait_window '^Bao$') || fail "the first character did not come"
wait_window '^Zippy$' >/dev/null || fail "the second character did not come"
wait_window '^Bao 说$' >/dev/null || fail "the first character showed no balloon"
sleep 0.8
screenshot "$artifacts/e2e-dialogue.png"
# Its turn over, the second character reads the next line.
wait_window '^Zippy 说$' >/dev/null || fail "the second character never took its turn"
screenshot "$artifacts/e2e-dialogue-turn.png"

# 暂停, then 返回 from the menu of a right click on a character.
xdotool mousemove --window "$dialogue" 137 415 click 1
sleep 0.5
xdotool mousemove --window "$bao" 120 130 click 3
sleep 0.5
xdotool key Down Return
for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '^口语对话$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^口语对话$' >/dev/null 2>&1 && fail "返回 left the dialogue open"
xdotool search --onlyvisible --name '^(Bao|Zippy)$' >/dev/null 2>&1 && fail "the characters stayed"
kill -0 "$app_pid" || fail "the program ended"
wait_window '^塔文英语单词$' >/dev/null || fail "the main window is gone"
echo "PASS: erin watched the characters read the dialogue in turn, paused them and went back"
