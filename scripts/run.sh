#!/usr/bin/env bash
# Installs what is missing, builds, and starts tolvane.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh"
build="${TOLVANE_BUILD_DIR:-$here/build}"
exec "$build/src/tolvane-cli" --help
