#!/usr/bin/env bash
# Installs what is missing, builds Kaivora and starts it on the bundled demo bank.
# Without a display (or with --screenshot FILE) it runs under Xvfb and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")"
shot=""
if [ "${1:-}" = "--screenshot" ]; then
  shot=${2:?usage: ./run.sh --screenshot FILE}
fi
scripts/setup.sh
scripts/build.sh
program=build/kaivora/kaivora
if [ -z "$shot" ] && [ -n "${DISPLAY:-}" ]; then
  exec "$program"
fi
scripts/screenshot.sh "$program" "${shot:-$PWD/kaivora-screenshot.png}"
