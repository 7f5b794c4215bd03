#!/usr/bin/env bash
# The windows, offscreen, in one run:
#   1. F5 on SELECT * FROM t (1,000,000 rows x 8 columns) until the result window is
#      shown, against sqlite3 -csv on the same file; peak memory per cell;
#   2. start-up to the first paint with 5 saved sessions (all reconnected) and a full
#      history, against a bare Qt main window.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TOLVANE_BUILD_DIR:-$here/build}"
work="${TOLVANE_BENCH_DIR:-$(mktemp -d)}"
export QT_QPA_PLATFORM=offscreen
db="$work/bench.db"
if [ ! -f "$db" ]; then
  TOLVANE_BENCH_DIR="$work" RUNS=0 bash "$here/bench/db_peers.sh" >/dev/null 2>&1 || true
fi
[ -f "$db" ] || { echo "gui_peers: no benchmark database" >&2; exit 1; }

home="$work/gui-home"
rm -rf "$home"; mkdir -p "$home"
best=""
for _ in 1 2 3; do
  rm -f "$home"/*
  out=$(TOLVANE_HOME="$home" "$build/bin/bench_gui" f5 "$db" 2>/dev/null)
  t=$(echo "$out" | awk '/F5 to result/ { print $6 }')
  if [ -z "$best" ] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t; bestout=$out; fi
done
echo "$bestout"
peer=""
for _ in 1 2 3; do
  s=$(date +%s.%N); sqlite3 -csv "$db" 'SELECT * FROM t' > /dev/null; e=$(date +%s.%N)
  t=$(awk -v a="$s" -v b="$e" 'BEGIN { print b - a }')
  if [ -z "$peer" ] || awk -v a="$t" -v b="$peer" 'BEGIN { exit !(a < b) }'; then peer=$t; fi
done
awk -v o="$best" -v p="$peer" 'BEGIN { printf "sqlite3 -csv: %.3f s; ratio %.2f\n", p, o / p }'

# Start-up: five saved sessions marked for reconnection and a history of 256 records.
rm -rf "$home"; mkdir -p "$home"
{
  echo "[History]"; echo "HistoryNum=256"; echo "[Connect]"
  for i in 1 2 3 4 5; do echo "$i=session$i,1;{SQLite3 ODBC Driver},$db,,,"; done
} > "$home/tolvane.ini"
: > "$home/SQLHistory.Dat"
for i in $(seq 1 256); do printf 'SELECT * FROM t WHERE a = %d@{SQLite3 ODBC Driver},%s,,,;' "$i" "$db"; done >> "$home/SQLHistory.Dat"
wall() {  # best wall time of three runs of the command
  local b=""
  for _ in 1 2 3; do
    local s e t
    s=$(date +%s.%N); "$@" > /dev/null 2>&1; e=$(date +%s.%N)
    t=$(awk -v a="$s" -v b="$e" 'BEGIN { print b - a }')
    if [ -z "$b" ] || awk -v a="$t" -v c="$b" 'BEGIN { exit !(a < c) }'; then b=$t; fi
  done
  echo "$b"
}
ours=$(TOLVANE_HOME="$home" wall "$build/bin/bench_gui" startup)
bare=$(wall "$build/bin/bench_gui" bare)
awk -v o="$ours" -v b="$bare" 'BEGIN {
  printf "start-up to first paint (whole process): tolvane %.3f s, bare Qt window %.3f s, ratio %.2f\n", o, b, o / b }'

# Monitor appends: 100,000 commands in ten runs of 10,000; each tenth should take
# as long as the first however long the monitor has grown.
sqlite3 "$work/small.db" 'CREATE TABLE IF NOT EXISTS t (a INTEGER)'
rm -rf "$home"; mkdir -p "$home"
TOLVANE_HOME="$home" "$build/bin/bench_gui" monitor 100000 "$work/small.db" 2>/dev/null | grep statements
