#!/usr/bin/env bash
# Installs what is missing, builds Kaivora and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
ctest --test-dir build --output-on-failure "$@"
