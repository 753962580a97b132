#!/usr/bin/env bash
# Screenshots of backup, restore, the update notice and the help window under Xvfb, driven
# by xdotool: the program starts against an update server on loopback that offers a newer
# release, a candidate with two favourites backs up, loses the marks, restores them from
# the backup, and opens the help. Uses a copy of the program folder and a home folder of
# its own, so the bank of the build and the developer's files stay as they are.
# usage: scripts/support_tour.sh OUTDIR   (after ./run.sh or ./test.sh has built the program)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(readlink -f "${1:?usage: scripts/support_tour.sh OUTDIR}")
mkdir -p "$out"

. scripts/xvfb_program.sh
tour_folder support-tour
trap 'kill "${app:-}" "${xvfb:-}" "${server:-}" 2>/dev/null; rm -rf "$copy"' EXIT
export HOME="$copy/home"
mkdir -p "$HOME" "$copy/server/ziziviv/366"
sqlite3 "$copy/Data/med.db" "update question set scbt='1' where id in (1, 2);"

# The update server offers a release dated after the installed one.
printf '[File1]\nDate=2099-01-01\n' >"$copy/server/ziziviv/366/Predate.ini"
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$copy/server" >/dev/null 2>&1 &
server=$!
sed -i "s/^host=.*/host=127.0.0.1:$port/" "$copy/kaivora.ini"

start_program "$copy" 180

# The practice window is centred: left 1280/2-512, top 800/2-384. The first toolbar picture
# is 63 wide, the others 58; picture N is the N-th after the first.
left=128; top=16; toolbar=$((top + 3 + 25 + 32))
picture() { echo $((left + 3 + 63 + 58 * ($1 - 1) + 29)); }
# The client origin of the program window captioned $1.
origin() { xdotool search --sync --name "^$1\$" getwindowgeometry --shell | sed -n 's/^[XY]=//p' | paste -sd' '; }

shot 0 update-notice                                   # 软件需要更新, from the start-up check
xdotool key Return
shot 2 updater
xdotool search --name "^Kaivora 升级$" windowkill 2>/dev/null || xdotool key Return

click "$(picture 5)" "$toolbar" 1.5                    # 数据备份
read -r x y < <(origin "数据备份")
shot 0 backup-window
click $((x + 355 + 11)) $((y + 30 + 11)) 1.5           # ...: the proposed name in the home folder
shot 0 backup-save-dialog
xdotool key Return; sleep 1
shot 0 backup-chosen
click $((x + 233 + 36)) $((y + 175 + 11)) 1.5          # 确定
shot 0 backup-done
xdotool key Return; sleep 1

# The marks are lost, as after a reinstall.
sqlite3 "$copy/Data/med.db" "update question set scbt='' where id in (1, 2);"
click 250 207 2.5                                      # the first chapter again, without its favourites
shot 0 marks-lost
click "$(picture 6)" "$toolbar" 1.5                    # 数据还原
read -r x y < <(origin "数据还原")
shot 0 restore-window
click $((x + 355 + 11)) $((y + 30 + 11)) 1.5           # ...: the backup in the home folder
xdotool type "K"                                       # the name completes to the backup
shot 1 restore-open-dialog
xdotool key Down Return; sleep 0.5
xdotool key Return; sleep 1
shot 0 restore-chosen
click $((x + 233 + 36)) $((y + 175 + 11)) 2.5          # 确定
shot 0 restore-done
xdotool key Return
shot 3 restored-page                                   # the first chapter shows the favourites again

click "$(picture 10)" "$toolbar" 2.5                   # 使用帮助
shot 0 help-window
xdotool key Next Next Next Next
shot 1 help-window-further
