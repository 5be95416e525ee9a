#!/bin/sh
# The real program in a real X session: a new learner opens 巩固 from the main
# window's study menu, types the first word right and misses the second
# three times; leaving for 初学 stores a score record and brings up the error
# table with the missed word, which 保存 puts into the personal library.
#   consolidation_e2e.sh <stage dir> <artifact dir>
set -eu
. "$(dirname "$0")/xvfb_session.sh"
artifacts=$2

start_as_new_learner "$1" dave pw

xdotool windowfocus --sync "$main"
xdotool key alt+s
sleep 0.3
xdotool key t
test=$(wait_window '塔文英语单词 - \[巩固\]') || fail "学习 → 巩固 opened no consolidation test"
xdotool windowfocus --sync "$test"
sleep 0.5

# The first course's first words: hello, then hi.
xdotool type --delay 40 'hello'
xdotool key Return
sleep 0.3
for _ in 1 2 3; do
    xdotool key ctrl+a
    xdotool type --delay 40 'ho'
    xdotool key Return
    sleep 0.3
done
screenshot "$artifacts/e2e-consolidation.png"

# Leaving closes the test: the score is kept and the error table comes up.
xdotool key alt+s
sleep 0.3
xdotool key f
table=$(wait_window '^错误单词表$') || fail "no error table after three misses"
sleep 0.3
screenshot "$artifacts/e2e-consolidation-errors.png"
grep -q '^\[ggmk\]' "$root/system/dave.ini" || fail "no consolidation score log"
# The store is GB18030 text, as every file the program writes.
iconv -f GB18030 -t UTF-8 "$root/system/dave.ini" |
    grep -q '^test1=.*#小学第一册(旧版)#[0-9][0-9]*#[0-9][0-9]*' || fail "no score record"

# 保存, the middle button under the summary: the missed word joins the
# personal library.
xdotool mousemove --window "$table" 383 289 click 1
sleep 0.5
"$root/tawen-mklib" list --key personal "$root/Word/Userdave.twn" | cut -f2 | grep -qx 'hi' ||
    fail "the missed word did not reach the personal library"
wait_window '塔文英语单词 - \[初学\]' >/dev/null || fail "no first-learn window after the test"
kill -0 "$app_pid" || fail "the program ended"
echo "PASS: dave typed a word, missed one three times, and kept the score and the missed word"
