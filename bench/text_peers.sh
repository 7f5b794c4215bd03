#!/usr/bin/env bash
# Runs the text benchmark, then times the peers on the same 50 MB files:
# `grep -c ';'` for the splitter and `iconv` for the conversions.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TOLVANE_BUILD_DIR:-$here/build}"
export TOLVANE_BENCH_DIR="${TOLVANE_BENCH_DIR:-$(mktemp -d)}"
"$build/bench/bench_text"

mbps() {  # label, file, command...
  local label=$1 file=$2; shift 2
  local size start end
  size=$(stat -c %s "$file")
  "$@" < "$file" > /dev/null  # warm the page cache
  start=$(date +%s.%N)
  for _ in 1 2 3; do "$@" < "$file" > /dev/null; done
  end=$(date +%s.%N)
  awk -v s="$size" -v a="$start" -v b="$end" -v l="$label" \
    'BEGIN { t = (b - a) / 3; printf "%-40s %8.1f ms %9.1f MB/s\n", l, t * 1000, s / t / 1e6 }'
}
echo
echo "peers on the same files:"
mbps "grep -c ';' (script)" "$TOLVANE_BENCH_DIR/tolvane-bench-script.sql" grep -c ';'
mbps "iconv -f SHIFT_JIS -t EUC-JP" "$TOLVANE_BENCH_DIR/tolvane-bench-sjis.txt" iconv -f SHIFT_JIS -t EUC-JP
mbps "iconv -f EUC-JP -t SHIFT_JIS" "$TOLVANE_BENCH_DIR/tolvane-bench-euc.txt" iconv -f EUC-JP -t SHIFT_JIS
echo
echo "tolvane-cli on the same files (whole process, reading included):"
mbps "tolvane-cli split" "$TOLVANE_BENCH_DIR/tolvane-bench-script.sql" "$build/bin/tolvane-cli" split
mbps "tolvane-cli convert --to euc" "$TOLVANE_BENCH_DIR/tolvane-bench-sjis.txt" "$build/bin/tolvane-cli" convert --to euc
mbps "tolvane-cli convert --to sjis" "$TOLVANE_BENCH_DIR/tolvane-bench-euc.txt" "$build/bin/tolvane-cli" convert --to sjis
