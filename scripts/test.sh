#!/usr/bin/env bash
# Installs what is missing, builds, starts private PostgreSQL and MariaDB
# servers on loopback, runs every test under CTest, and stops the servers by
# pid whatever the outcome.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh"
build="${TOLVANE_BUILD_DIR:-$here/build}"

servers="$build/test-servers"
trap 'bash "$here/scripts/db-servers.sh" stop "$servers" || true' EXIT
bash "$here/scripts/db-servers.sh" start "$servers"
# shellcheck disable=SC1091
source "$servers/env"

# Sample files that no tool here can make; tests skip without them.
fixtures="$here/../shared/fixtures"
if [ -f "$fixtures/access/nwind.mdb" ]; then
  export TOLVANE_TEST_MDB="$(cd "$fixtures/access" && pwd)/nwind.mdb"
fi

cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
