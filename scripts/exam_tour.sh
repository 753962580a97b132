#!/usr/bin/env bash
# Screenshots of the road into the mock exam under Xvfb, driven by xdotool: the settings
# window, the login screen, the candidate screen, the paper's description, the exam window with its clock, the
# calculator beside it, and the practice window after the exam window closed. Uses a copy
# of the program folder, so the bank of the build stays as it is.
# usage: scripts/exam_tour.sh OUTDIR   (after ./run.sh or ./test.sh has built the program)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(readlink -f "${1:?usage: scripts/exam_tour.sh OUTDIR}")
mkdir -p "$out"

. scripts/xvfb_program.sh
tour_folder exam-tour

calc=""
trap 'kill ${calc:-} "${app:-}" "${xvfb:-}" 2>/dev/null; rm -rf "$copy"' EXIT
start_program "$copy" 140

# The practice window is centred: left 1280/2-512, top 800/2-384; the screens are centred on x 640.
left=128; top=16; middle=640
# "人机对话", the third picture of the toolbar.
xdotool mousemove $((left + 3 + 63 + 58 + 29)) $((top + 3 + 25 + 32)) click 1
shot 1.5 exam-settings
# "进 入" of the settings window at the practice window's left + 190, top + 150.
xdotool mousemove $((left + 190 + 279 + 45)) $((top + 150 + 276 + 15)) click 1
shot 1.5 exam-login
# "登录考场".
xdotool mousemove $((middle - 77 + 40)) $((516 + 15)) click 1
shot 1.5 exam-candidate
# "开始考试"; the paper's description and the first type's prompt come first.
xdotool mousemove $((middle + 180 + 50)) $((560 + 18)) click 1
shot 2.5 exam-description
xdotool key Return; sleep 1.5
xdotool key Return
shot 1 exam-window
# "计算器" in the bottom strip (132 high) at x 326, y 23.
xdotool mousemove $((326 + 56)) $((800 - 132 + 23 + 22)) click 1
window=$(timeout 20 xdotool search --sync --name "^计算器$" | head -1)
[ -n "$window" ] || { echo "exam_tour: the calculator did not open" >&2; exit 1; }
calc=$(xdotool getwindowpid "$window")
xdotool windowmove "$window" 560 200 windowfocus --sync "$window"
xdotool type --delay 60 "12+7*3="
shot 0.5 exam-calculator
kill "$calc"; calc=""
# The close box at the right end of the exam window's caption.
xdotool mousemove $((1280 - 22)) 15 click 1
shot 2.5 exam-closed
