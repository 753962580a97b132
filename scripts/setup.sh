#!/usr/bin/env bash
# Installs the Debian packages Kaivora needs to build, run and test. Idempotent.
set -euo pipefail
PKGS=(g++ cmake make pkg-config ccache
      qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin libqt6sql6-sqlite libsqlite3-dev
      xvfb xauth imagemagick sqlite3 xdotool
      fonts-wqy-zenhei
      postgresql unixodbc odbc-postgresql tdsodbc libqt6sql6-odbc)
# The study record's chart; its PDF report is read back as text by the tests.
PKGS+=(qt6-charts-dev poppler-utils)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
