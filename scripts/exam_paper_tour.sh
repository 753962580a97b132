#!/usr/bin/env bash
# Screenshots of one mock exam sat on the demo bank under Xvfb, driven by xdotool: a question
# with the answer sheet mid-exam, a matching group, the result table and a review page.
# The paper is small (4 single, 2 multiple, 1 case, 1 matching) and the bank is a copy.
# usage: scripts/exam_paper_tour.sh OUTDIR   (after ./run.sh or ./test.sh has built the program)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(readlink -f "${1:?usage: scripts/exam_paper_tour.sh OUTDIR}")
mkdir -p "$out"

. scripts/xvfb_program.sh
tour_folder paper-tour
sqlite3 "$copy/Data/med.db" "update ts set txs=(case rowid when 1 then '4' when 2 then '2' else '1' end), fg=(case rowid when 1 then '4' else fg end);"

trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null; rm -rf "$copy"' EXIT
start_program "$copy" 160

left=128; top=16; middle=640
# The exam window covers the screen: caption 30, top strip 88, bottom strip 132 from y 668,
# the answer sheet column from x 1033, y 118.
next() { click $((178 + 56)) $((668 + 23 + 22)) 1.2; }
cell() { click $((1033 + $1 + 14)) $((118 + $2 + 11)) 1.2; }
# A click on the page's empty right side, then Tab to its first input.
firstInput() { click 990 640 0.3; xdotool key Tab; sleep 0.3; }

click $((left + 3 + 63 + 58 + 29)) $((top + 3 + 25 + 32)) 1.5       # 人机对话
click $((left + 190 + 279 + 45)) $((top + 150 + 276 + 15)) 1.5      # 进 入
click $((middle - 77 + 40)) $((516 + 15)) 1.5                       # 登录考场
click $((middle + 180 + 50)) $((560 + 18)) 2.5                      # 开始考试
xdotool key Return; sleep 1.5                                       # 试卷描述
xdotool key Return; sleep 1                                         # the type prompt
# Singles: the letter keys tick, the focus goes to 下一题.
xdotool key b; sleep 0.5; next
xdotool key d; sleep 0.5; next
xdotool key a; sleep 0.5
shot 0.5 exam-question
next
xdotool key c; sleep 0.5; next
xdotool key Return; sleep 1                                         # 多项选择题 prompt
# Multiples and the case: tick the first two options with the keyboard.
for _ in 1 2; do firstInput; xdotool key space Tab space; sleep 0.3; next; done
xdotool key Return; sleep 1                                         # 阅读案例分析题 prompt
for _ in 1 2 3 4 5 6 7 8 9; do
  [ "$(sqlite3 "$copy/Data/med.db" "select lx from sj where tid=(select tid from sj where tjda='' and lx='a3' limit 1)")" = a3 ] || break
  firstInput; xdotool key space; sleep 0.3; next
done
xdotool key Return; sleep 1                                         # 配伍选择题 prompt
# The matching group: a choice in each drop-down, from the keyboard.
firstInput; xdotool key Down; xdotool key Tab Down Down; xdotool key Tab Down Down Down; sleep 0.5
shot 0.5 exam-matching
click $((474 + 56)) $((668 + 23 + 22)) 2                            # 交 卷
shot 0.5 exam-result
cell 45 85                                                          # question 2 after grading
shot 0.5 exam-review
