#!/usr/bin/env bash
# Configures and builds Kaivora (Release) into build/; the program folder is build/kaivora/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
