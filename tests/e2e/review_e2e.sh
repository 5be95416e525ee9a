#!/bin/sh
# The real program in a real X session: a new learner opens 复习 from the main
# window's study menu and clicks all four answers in turn (so at least one is
# wrong), leaves for the library window, finds the error table come up, saves
# the missed words into the personal library, and the score log holds the
# test's record.
#   review_e2e.sh <stage dir> <artifact dir>
set -eu
. "$(dirname "$0")/xvfb_session.sh"
artifacts=$2

start_as_new_learner "$1" dave pw

xdotool windowfocus --sync "$main"
xdotool key alt+s
sleep 0.3
xdotool key r
review=$(wait_window '塔文英语单词 - \[复习\]') || fail "the study menu opened no review window"
sleep 0.5

# The four answers, A to D, one after another. Which of them is right is
# drawn at random; the three others are missed, on the first word or on the
# ones that follow it.
xdotool mousemove --window "$review" 150 165 click 1 \
    mousemove --window "$review" 150 228 click 1 \
    mousemove --window "$review" 150 285 click 1 \
    mousemove --window "$review" 150 345 click 1
sleep 0.2
screenshot "$artifacts/e2e-review.png"
sleep 1

xdotool windowfocus --sync "$review"
xdotool key ctrl+w
table=$(wait_window '^错误单词表$') || fail "leaving after a miss showed no error table"
sleep 0.5
screenshot "$artifacts/e2e-review-error-table.png"
scores=$(iconv -f GB18030 -t UTF-8 "$root/system/dave.ini" | tr -d '\r')
echo "$scores" | grep -q '^\[fxmk\]' || fail "no review score was recorded"
echo "$scores" | grep -Eq '^test1=[0-9/]+#[0-9:]+#小学第一册\(旧版\)#[0-9]+#9[0-9]$' ||
    fail "the score record is not the test's: $scores"

# 保存, the middle button under the summary (twips 4545, 4170; 15 a pixel).
xdotool mousemove --window "$table" 383 289 click 1
wait_window '塔文英语单词 - \[词库\]' >/dev/null || fail "no library window after the error table"
kept=$("$root/tawen-mklib" list --key personal "$root/Word/Userdave.twn" | cut -f2) ||
    fail "the missed words did not reach the personal library"
[ -n "$kept" ] || fail "the personal library is empty"
# Only words of the first questions were asked, and so missed.
echo "$kept" | grep -Evqx "hello|hi|I|am|I'm|OK" && fail "words never asked were kept: $kept"
kill -0 "$app_pid" || fail "the program ended"
echo "PASS: dave missed review questions, found them in the error table and kept them; the score was recorded"
