#!/usr/bin/env bash
# Our logical solver (sudoku-cli solve) against qqwing's solver, by CPU time (user + sys).
#   bench/compare-qqwing.sh [-r rounds] [-n puzzles] [file or folder...]
# Per puzzle file: how many puzzles each program solves, and on the puzzles both solve, each
# program's CPU time per puzzle and the ratio (qqwing's time / ours). Reading and writing count,
# start-up does not: each program's best run on empty input is subtracted. Every figure is the
# best of `rounds` runs (default 5), the two programs taking turns so that the load of a shared
# machine falls on both alike. The puzzles both solve are repeated up to at least `puzzles`
# lines per run (default 5000), so that short files still give a measurable time.
# Files: the arguments (a folder stands for its *.txt files), else $SUDOKU_DATA_DIR, else
# ../shared/data beside the source tree. The program: $SUDOKU_CLI, else build/tools/sudoku-cli.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=5
minimum=5000
while getopts 'r:n:h' opt; do
  case $opt in
    r) rounds=$OPTARG ;;
    n) minimum=$OPTARG ;;
    *) sed -n '2,12s/^# \{0,1\}//p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || set -- "${SUDOKU_DATA_DIR:-$root/../shared/data}"
cli=${SUDOKU_CLI:-$root/build/tools/sudoku-cli}
[ -x "$cli" ] || { echo "compare-qqwing: no $cli (build first: scripts/build)" >&2; exit 1; }
command -v qqwing >/dev/null || { echo "compare-qqwing: qqwing is not installed (scripts/setup)" >&2; exit 1; }
command -v python3 >/dev/null || { echo "compare-qqwing: needs python3" >&2; exit 1; }

exec python3 - "$cli" "$rounds" "$minimum" "$@" <<'EOF'
import os, subprocess, sys, tempfile

cli, rounds, minimum, paths = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4:]
ours = [cli, 'solve']
theirs = ['qqwing', '--solve', '--one-line']

files = []
for path in paths:
    if os.path.isdir(path):
        files += sorted(os.path.join(path, f) for f in os.listdir(path) if f.endswith('.txt'))
    else:
        files.append(path)
if not files:
    sys.exit('compare-qqwing: no puzzle files in ' + ' '.join(paths))

def run(command, path):
    """Output lines and CPU seconds (user + sys) of one run with `path` as standard input."""
    with open(path, 'rb') as source:
        process = subprocess.Popen(command, stdin=source, stdout=subprocess.PIPE)
        output = process.stdout.read()
        _, status, usage = os.wait4(process.pid, 0)
        process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit('compare-qqwing: %s failed on %s' % (command[0], path))
    return output.decode().splitlines(), usage.ru_utime + usage.ru_stime

def best_times(path):
    """Best CPU seconds of ours and theirs on `path`, in turns."""
    best = [float('inf'), float('inf')]
    for _ in range(rounds):
        for i, command in enumerate((ours, theirs)):
            best[i] = min(best[i], run(command, path)[1])
    return best

with tempfile.TemporaryDirectory() as scratch:
    empty = os.path.join(scratch, 'empty.txt')
    open(empty, 'w').close()
    start = best_times(empty)
    print('start-up: sudoku-cli %.2f ms, qqwing %.2f ms (subtracted)' % (start[0] * 1e3, start[1] * 1e3))
    print('%-32s %7s %15s %15s %6s %11s %11s %7s' % ('file', 'puzzles', 'ours solved', 'qqwing solved',
                                                       'both', 'ours us', 'qqwing us', 'ratio'))
    for path in files:
        puzzles = [line for line in open(path).read().splitlines() if line.strip()]
        if not puzzles:
            continue
        subset = os.path.join(scratch, 'puzzles.txt')
        with open(subset, 'w') as out:
            out.write('\n'.join(puzzles) + '\n')
        our_lines = run(ours, subset)[0]
        their_lines = run(theirs, subset)[0]
        if len(our_lines) != len(puzzles) or len(their_lines) != len(puzzles):
            sys.exit('compare-qqwing: %s: not one answer per puzzle' % path)
        ours_solved = [line.startswith('1 ') for line in our_lines]
        theirs_solved = [len(line) == 81 and line.isdigit() for line in their_lines]
        both = [p for p, a, b in zip(puzzles, ours_solved, theirs_solved) if a and b]
        n = len(puzzles)
        row = '%-32s %7d %7d %6.1f%% %7d %6.1f%% %6d' % (
            os.path.basename(path), n, sum(ours_solved), 100.0 * sum(ours_solved) / n,
            sum(theirs_solved), 100.0 * sum(theirs_solved) / n, len(both))
        if not both:
            print(row + ' %11s %11s %7s' % ('-', '-', '-'))
            continue
        repeat = -(-minimum // len(both))
        with open(subset, 'w') as out:
            out.write('\n'.join(both * repeat) + '\n')
        times = best_times(subset)
        count = len(both) * repeat
        per = [max(t - s, 0.0) / count * 1e6 for t, s in zip(times, start)]
        ratio = per[1] / per[0] if per[0] > 0 else float('inf')
        print(row + ' %11.2f %11.2f %7.1f' % (per[0], per[1], ratio))
EOF
