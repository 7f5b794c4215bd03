#!/usr/bin/env bash
# Installs what is missing, builds, and starts tolvane. On the first run (no
# tolvane.ini beside the program yet) a SQLite sample database and a saved
# session for it are made, so the window opens connected.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh"
build="${TOLVANE_BUILD_DIR:-$here/build}"
"$build/bin/tolvane-cli" init-sample
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display found (DISPLAY is not set); starting under xvfb-run" >&2
  exec xvfb-run -a "$build/bin/tolvane" "$@"
fi
exec "$build/bin/tolvane" "$@"
