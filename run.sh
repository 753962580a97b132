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
# The help page's pictures are taken once from the running program.
if [ ! -d build/kaivora/help ]; then
  scripts/help_pictures.sh build/kaivora >/dev/null 2>&1 || echo "The help page's pictures could not be taken; the help reads without them." >&2
fi
program=build/kaivora/kaivora
if [ -z "$shot" ] && [ -n "${DISPLAY:-}" ]; then
  exec "$program"
fi
scripts/screenshot.sh "$program" "${shot:-$PWD/kaivora-screenshot.png}"
