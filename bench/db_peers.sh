#!/usr/bin/env bash
# tolvane-cli run against the sqlite3 shell on the same SQLite file, in one run:
#   1. SELECT * FROM t of 1,000,000 rows x 8 columns (integers, reals,
#      Japanese text, NULLs) to /dev/null, versus sqlite3 -csv;
#   2. a script of 100,000 INSERT statements, versus sqlite3 db < script.sql.
# Prints wall time and peak memory of each, and the ratios.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TOLVANE_BUILD_DIR:-$here/build}"
cli="$build/bin/tolvane-cli"
work="${TOLVANE_BENCH_DIR:-$(mktemp -d)}"
runs="${RUNS:-3}"
db="$work/bench.db"

if [ ! -f "$db" ]; then
  sqlite3 "$db" <<'SQL'
CREATE TABLE t (a INTEGER, b REAL, c TEXT, d TEXT, e INTEGER, f REAL, g TEXT, h TEXT);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000)
INSERT INTO t SELECT i, i * 1.25, '名前' || i,
  CASE WHEN i % 10 = 0 THEN NULL ELSE '東京都千代田区' || (i % 1000) END,
  i % 97, CASE WHEN i % 7 = 0 THEN NULL ELSE i / 3.0 END, 'abc' || i, 'テキスト' FROM n;
SQL
fi
echo 'SELECT * FROM t' > "$work/select.sql"

# best of $runs: wall seconds and peak kilobytes
measure() {
  local best="" mem="" out
  for _ in $(seq 1 "$runs"); do
    [ -n "${PREPARE:-}" ] && eval "$PREPARE"
    /usr/bin/time -o "$work/time.out" -f '%e %M' "$@" > /dev/null 2>/dev/null
    out=$(tail -n 1 "$work/time.out")
    local t=${out% *} m=${out#* }
    if [ -z "$best" ] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t; mem=$m; fi
  done
  echo "$best $mem"
}

report() {  # label tolvane peer
  local label=$1 ours=$2 peer=$3
  awk -v l="$label" -v ot="${ours% *}" -v om="${ours#* }" -v pt="${peer% *}" -v pm="${peer#* }" 'BEGIN {
    printf "%-28s tolvane %6.2f s %8.1f MB   sqlite3 %6.2f s %8.1f MB   ratio %.2f\n",
      l, ot, om / 1024, pt, pm / 1024, ot / pt }'
}

descriptor="{SQLite3 ODBC Driver},$db,,,"
ours=$(measure "$cli" run --descriptor "$descriptor" "$work/select.sql")
peer=$(measure sqlite3 -csv "$db" 'SELECT * FROM t')
report "SELECT * (1M x 8)" "$ours" "$peer"
cells=8000000
awk -v m="${ours#* }" -v c=$cells 'BEGIN { printf "tolvane peak memory per cell: %.1f bytes\n", m * 1024 / c }'

# 100,000 INSERT statements, each on a fresh copy of an empty table.
script="$work/inserts.sql"
if [ ! -f "$script" ]; then
  awk 'BEGIN { for (i = 1; i <= 100000; i++)
    printf "INSERT INTO s VALUES (%d, %.2f, '\''名前%d'\'', NULL);\n", i, i * 0.5, i }' > "$script"
  # tolvane reads Shift-JIS (or EUC-JP) files, the shell UTF-8: the same text in each.
  iconv -f UTF-8 -t CP932 "$script" > "$script.sjis"
fi
idb="$work/insert.db"
PREPARE="rm -f '$idb'; sqlite3 '$idb' 'CREATE TABLE s (a INTEGER, b REAL, c TEXT, d TEXT)'"
ours=$(measure "$cli" run --descriptor "{SQLite3 ODBC Driver},$idb,,," "$script.sjis")
peer=$(PREPARE="$PREPARE" measure bash -c "sqlite3 '$idb' < '$script'")
report "100,000 INSERT statements" "$ours" "$peer"
