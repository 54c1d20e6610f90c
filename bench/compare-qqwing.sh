#!/usr/bin/env bash
# Times our logical solver (sudoku-cli solve) and qqwing's solver on the same puzzle file, in one
# run, and prints the ratio of puzzles per second (ours / qqwing's). Best of several rounds each.
#   bench/compare-qqwing.sh [puzzle-file] [rounds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
file=${1:-$root/../shared/data/qqwing_expert_1000.txt}
rounds=${2:-5}
cli=$root/build/tools/sudoku-cli
[ -x "$cli" ] || { echo "compare-qqwing: build first (scripts/build)" >&2; exit 1; }
command -v qqwing >/dev/null || { echo "compare-qqwing: qqwing is not installed (scripts/setup)" >&2; exit 1; }
[ -r "$file" ] || { echo "compare-qqwing: cannot read $file" >&2; exit 1; }
count=$(grep -c . "$file")

best() {  # command... ; prints the best wall time in nanoseconds
  local best=
  for ((i = 0; i < rounds; i++)); do
    local t0 t1
    t0=$(date +%s%N)
    "$@" < "$file" > /dev/null
    t1=$(date +%s%N)
    local t=$((t1 - t0))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  echo "$best"
}

ours=$(best "$cli" solve)
theirs=$(best qqwing --solve --one-line)
awk -v n="$count" -v a="$ours" -v b="$theirs" -v f="$(basename "$file")" 'BEGIN {
  printf "%s: %d puzzles\n", f, n
  printf "  sudoku-cli solve: %8.1f us/puzzle  %9.0f puzzles/s\n", a / 1000 / n, n / (a / 1e9)
  printf "  qqwing --solve:   %8.1f us/puzzle  %9.0f puzzles/s\n", b / 1000 / n, n / (b / 1e9)
  printf "  ratio (ours / qqwing, puzzles per second): %.2f\n", b / a
}'
