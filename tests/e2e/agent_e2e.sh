#!/bin/sh
# The real program in a real X session: a new learner presses 小精灵 in the
# main window's toolbar; the main window makes way for the two characters,
# who greet each other in their balloons. A right click on one of them opens
# the menu 初记精灵: 设置 brings up the panel 精灵设置, 取消 puts it away,
# and 返回 takes the characters off the desktop, brings the main window back
# and keeps the choices in section 初记精灵 of the learner's settings.
#   agent_e2e.sh <stage dir> <artifact dir>
set -eu
. "$(dirname "$0")/xvfb_session.sh"
artifacts=$2

start_as_new_learner "$1" fay pw

# 小精灵, the sixth button of the toolbar under the menu bar (the main
# window is 680 pixels wide, its buttons at its left).
xdotool mousemove --window "$main" 248 55 click 1
zippy=$(wait_window '^Zippy$') || fail "小精灵 brought no first character"
wait_window '^Bao$' >/dev/null || fail "the second character did not come"
for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '^塔文英语单词$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^塔文英语单词$' >/dev/null 2>&1 &&
    fail "the main window stayed on the desktop"
wait_window '^Zippy 说$' >/dev/null || fail "the first character said nothing in the greeting"
wait_window '^Bao 说$' >/dev/null || fail "the second character never answered"
sleep 0.5
screenshot "$artifacts/e2e-agent-greeting.png"

# 设置 from the right-click menu, then 取消.
xdotool mousemove --window "$zippy" 120 130 click 3
sleep 0.5
screenshot "$artifacts/e2e-agent-menu.png"
xdotool key s
panel=$(wait_window '^精灵设置$') || fail "设置 showed no panel"
sleep 0.5
screenshot "$artifacts/e2e-agent-panel.png"
xdotool windowfocus --sync "$panel"
xdotool key alt+n
for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '^精灵设置$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^精灵设置$' >/dev/null 2>&1 && fail "取消 left the panel up"

# 返回.
xdotool mousemove --window "$zippy" 120 130 click 3
sleep 0.5
xdotool key b
wait_window '^塔文英语单词$' >/dev/null || fail "返回 brought no main window back"
for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '^(Bao|Zippy)$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^(Bao|Zippy)$' >/dev/null 2>&1 && fail "the characters stayed"
kill -0 "$app_pid" || fail "the program ended"

settings=$(iconv -f GB18030 -t UTF-8 "$root/User/fay.ini" | tr -d '\r')
section=$(echo "$settings" | sed -n '/^\[初记精灵\]$/,/^\[/p')
[ -n "$section" ] || fail "no section 初记精灵 in the settings: $settings"
for line in 名称1=zippy.tcf 名称2=bao.tcf 发音引擎=默认声音 打乱词序=0 英文发音=1 \
    缓出英文=False 缓出中文=True 朗读遍数=1 间隔秒数=3; do
    echo "$section" | grep -qx "$line" || fail "section 初记精灵 lacks $line: $section"
done
echo "PASS: fay met the two characters, opened their settings, and went back with them saved"
