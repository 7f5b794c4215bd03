#!/usr/bin/env bash
# Installs every Debian package that building, running and testing tolvane needs.
# Idempotent: when everything is present it only checks and returns; the package
# lists are refreshed only when something is missing.
set -euo pipefail

PACKAGES=(
  # build
  cmake g++ make pkg-config
  # GUI
  qt6-base-dev qt6-base-dev-tools libgl-dev fonts-ipafont-gothic tango-icon-theme xvfb xauth
  # data access: driver manager and the drivers
  unixodbc unixodbc-dev libsqliteodbc odbc-postgresql odbc-mariadb tdsodbc odbc-mdbtools
  # embedded SQLite for file sources, and the sqlite3 shell used as a benchmark peer
  libsqlite3-dev sqlite3
  # database servers started by the test script
  postgresql mariadb-server
  # tests, benchmarks, fuzzing
  libgtest-dev libgmock-dev googletest libbenchmark-dev clang time
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
# Keep the package servers from starting their own database instances: the
# tests start private servers on loopback.
if [ ! -e /usr/sbin/policy-rc.d ]; then
  printf '#!/bin/sh\nexit 101\n' | $SUDO tee /usr/sbin/policy-rc.d >/dev/null
  $SUDO chmod +x /usr/sbin/policy-rc.d
  trap '$SUDO rm -f /usr/sbin/policy-rc.d' EXIT
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
