#!/usr/bin/env bash
# Pictures for the help page, taken from the running program under Xvfb and driven by
# xdotool: the main window, its toolbar and page bar, the wrong-question bank window,
# the backup and restore windows, and the help window itself. On the way it shows the
# update notice from a local update server and the updater. Works on a copy of the
# program folder; the pictures go to PROGRAM_DIR/help/, full screenshots to SHOTDIR.
# usage: scripts/help_pictures.sh [PROGRAM_DIR [SHOTDIR]]   (default build/kaivora)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(readlink -f "${1:-build/kaivora}")
shots=$(readlink -f "${2:-$(mktemp -d /tmp/kaivora-shots.XXXXXX)}")
mkdir -p "$program/help" "$shots"

copy=$(mktemp -d /tmp/kaivora-help.XXXXXX)
cp -r "$program/." "$copy"
rm -rf "$copy/help"
sqlite3 "$copy/Data/med.db" "update question set scbt='1' where id in (3, 5, 9, 40, 512, 520);
                             update question set ct='1' where id in (2, 4, 7, 11, 15, 501, 530, 540);"

# A local update server that lists a newer release.
subject=$(sqlite3 "$copy/Data/med.db" "select mz from kemu limit 1")
mkdir -p "$copy/server/ziziviv/$subject"
printf '[File1]\r\nDate=2099-01-01\r\n' > "$copy/server/ziziviv/$subject/Predate.ini"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$copy/server" >/dev/null 2>&1 &
server=$!
sed -i "s/^host=.*/host=127.0.0.1:$port/" "$copy/kaivora.ini"

display=140
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill ${app:-} $server $xvfb 2>/dev/null; rm -rf "$copy"' EXIT
# The file dialogs open in the copy's own documents folder.
export DISPLAY=":$display" HOME="$copy"
mkdir -p "$copy/Documents"
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
KAIVORA_READY_FILE="$copy/ready" "$copy/kaivora" >/dev/null 2>&1 &
app=$!
for _ in $(seq 600); do [ -e "$copy/ready" ] && break; sleep 0.1; done

shot() { import -window root "$shots/$1.png"; echo "$shots/$1.png"; }
# Waits for a top-level window with this exact title and prints its id.
window() { xdotool search --sync --onlyvisible --name "^$1\$" | tail -1; }
picture() { import -window "$(window "$1")" "$program/help/$2.png"; echo "$program/help/$2.png"; }
# Clicks at x, y inside the window with this title.
click_in() {
    local id; id=$(window "$1")
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

# The start-up check finds the newer release: the notice, then the updater.
window "信息" >/dev/null
sleep 1; shot update-notice
xdotool key Return
window "Kaivora 升级" >/dev/null
sleep 1; shot updater
xdotool key Escape
sleep 2

# The window is centred: left 1280/2-512, top 800/2-384; the toolbar starts 28 pixels down.
left=128; top=16; toolbar=$((top + 3 + 25 + 32))
tool() { xdotool mousemove $((left + 3 + 63 + 58 * ($1 - 1) + 29)) "$toolbar" click 1; }
shot main
import -window root -crop 1024x768+$left+$top +repage "$program/help/main.png"
import -window root -crop 1024x130+$left+$top +repage "$program/help/page-tools.png"

tool 4; sleep 2
picture "错题题库" wrong-bank
xdotool key Escape; sleep 2

tool 5; window "数据备份" >/dev/null; sleep 0.5
click_in "数据备份" 366 41; sleep 1.5
xdotool key Return; sleep 1
shot backup-window
picture "数据备份" backup
click_in "数据备份" 269 186; sleep 1
shot backup-done
xdotool key Return; sleep 2

tool 6; window "数据还原" >/dev/null; sleep 0.5
click_in "数据还原" 366 41; sleep 1.5
xdotool type --delay 30 "Kaivora医药软件数据备份$(date +%F)"; sleep 0.5
xdotool key Return; sleep 1
shot restore-window
picture "数据还原" restore
click_in "数据还原" 269 186; sleep 1
shot restore-done
xdotool key Return; sleep 3

tool 10; window "Kaivora 使用帮助" >/dev/null; sleep 3
shot help-window
