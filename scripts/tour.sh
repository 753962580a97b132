#!/usr/bin/env bash
# Screenshots of the running program under Xvfb, driven by xdotool: the normal window,
# a hovered toolbar button, the favourites view, the wrong-question bank window,
# the wrong-question view, the study record, the maximized window and a question search. Uses a copy of the program folder
# with a few marks set, so the demo bank itself stays untouched.
# usage: scripts/tour.sh OUTDIR   (after ./run.sh or ./test.sh has built the program)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(readlink -f "${1:?usage: scripts/tour.sh OUTDIR}")
mkdir -p "$out"

. scripts/xvfb_program.sh
tour_folder tour
sqlite3 "$copy/Data/med.db" "update question set scbt='1' where id in (3, 5, 9, 40, 512, 520);
                             update question set ct='1' where id in (2, 4, 7, 11, 15, 501, 530, 540);"
build/tools/add_record "$copy/Data/med.db" 8 24 >/dev/null

trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null; rm -rf "$copy"' EXIT
start_program "$copy" 120

# The window is centred: left 1280/2-512, top 800/2-384; the toolbar starts 28 pixels down.
left=128; top=16; toolbar=$((top + 3 + 25 + 32))
shot 0 normal
xdotool mousemove $((left + 3 + 63 + 29)) "$toolbar"; sleep 0.3; xdotool mousemove $((left + 3 + 63 + 30)) $((toolbar + 1))
shot 0.5 hover
xdotool click 1
shot 3 favourites
xdotool mousemove $((left + 3 + 63 + 58 * 3 + 29)) "$toolbar" click 1
shot 2 wrong-bank-window
xdotool key Escape
shot 3 wrong-view
# "学习记录" on the page bar: page area left + 368 + half its width.
xdotool mousemove $((left + 3 + 258 + 368 + 43)) $((top + 3 + 25 + 64 + 3 + 12)) click 1
shot 2 study-record
xdotool key Escape
xdotool mousemove 500 $((top + 13)) click --repeat 2 --delay 80 1
shot 2 maximized
# The question search in the whole bank ("考试题库" of the maximized window): Ctrl+F, an ion,
# Enter. (xdotool drops Chinese characters now and then; Latin ones it types reliably.)
xdotool mousemove $((3 + 31)) $((3 + 25 + 32)) click 1; sleep 3
xdotool key ctrl+f; sleep 0.5; xdotool type --delay 120 'Na+'; xdotool key Return
shot 3 search
