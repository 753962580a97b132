#!/usr/bin/env bash
# Starts the program on a private Xvfb display, waits for its main window and saves a screenshot.
# usage: screenshot.sh PROGRAM FILE [ARGS...]
set -euo pipefail
prog=$1; shot=$2; shift 2
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
ready=$(mktemp -u /tmp/kaivora-ready.XXXXXX)
cleanup() { [ -n "${app:-}" ] && kill "$app" 2>/dev/null; kill "$xvfb" 2>/dev/null; rm -f "$ready"; }
trap cleanup EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
DISPLAY=":$display" KAIVORA_READY_FILE="$ready" "$prog" "$@" &
app=$!
for _ in $(seq 600); do
  [ -e "$ready" ] && break
  kill -0 "$app" 2>/dev/null || { echo "Kaivora ended before its window came up" >&2; exit 1; }
  sleep 0.1
done
[ -e "$ready" ] || { echo "Kaivora's window did not come up in time" >&2; exit 1; }
sleep "${KAIVORA_SHOT_DELAY:-2}"
mkdir -p "$(dirname "$shot")"
import -display ":$display" -window root "$shot"
echo "Screenshot: $(readlink -f "$shot")"
