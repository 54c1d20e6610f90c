#!/usr/bin/env python3
"""Selects the built-in puzzles from generator runs with fixed seeds, so the table can be rebuilt.

    tools/select-puzzles.py build/tools/sudoku-cli > puzzles.txt
    tools/select-puzzles.py build/tools/sudoku-cli --cpp   # the initializer lines

Every seed gives one grid and one search of a few attempts (goal and number of attempts follow
from the seed). Its best cell order yields puzzles of 22 to 29 givens (the best count and longer
prefixes of the same order). From that pool the script takes one puzzle per seed at most, aiming
at step counts spread evenly over the pool's range, and only puzzles that are no variant of one
taken before. The three fixed puzzles keep positions 1, 2 and 80; the others are ordered by
steps, easiest first. The result is checked as the core test checks the compiled table.
"""

import argparse
import subprocess
import sys

FIXED_FIRST = [
    "040007000006900400002006075790300020003000600010005034180700200004009800000400090",
    "060100743039600050800050010050000201006010007008000000000003900040280500000009000",
]
FIXED_LAST = "000207000036040700700000800100008000073000520000900004009000008007050360000601000"
TOTAL = 80
MIN_GIVENS, MAX_GIVENS = 22, 29


def run(cli, args, text=""):
    result = subprocess.run([cli] + args, input=text, capture_output=True, text=True, check=True)
    return result.stdout


def solve(cli, puzzles):
    """(solved, steps) for each puzzle."""
    lines = run(cli, ["solve"], "".join(p + "\n" for p in puzzles)).splitlines()
    return [(line.split()[0] == "1", int(line.split()[1])) for line in lines]


def is_new(cli, puzzle, taken):
    out = run(cli, ["isnew"], "".join(p + "\n" for p in [puzzle] + taken))
    return out.split()[0] == "1"


def givens(puzzle):
    return sum(ch != "0" for ch in puzzle)


def candidates(cli, seeds):
    """Puzzles of the allowed sizes from the seeds' runs: (steps, puzzle, seed)."""
    pool = []
    for seed in seeds:
        mode = seed % 3
        attempts = 1 + (seed % 10) * 8
        grid, count, _, order = run(cli, ["generate", "--seed", str(seed), "--attempts",
                                          str(attempts), "--mode", str(mode)]).split()
        cells = [int(order[i:i + 2]) for i in range(0, 162, 2)]
        puzzles = []
        for n in range(max(int(count), MIN_GIVENS), MAX_GIVENS + 1):
            puzzle = ["0"] * 81
            for cell in cells[:n]:
                puzzle[cell] = grid[cell]
            puzzles.append("".join(puzzle))
        for puzzle, (solved, steps) in zip(puzzles, solve(cli, puzzles) if puzzles else []):
            if solved:
                pool.append((steps, puzzle, seed))
    return pool


def select(cli, pool, wanted, fixed):
    low = min(p[0] for p in pool)
    high = max(p[0] for p in pool)
    taken, used_seeds = [], set()
    for k in range(wanted):
        target = low + (high - low) * k / (wanted - 1)
        for steps, puzzle, seed in sorted(pool, key=lambda p: (abs(p[0] - target), p[1])):
            if seed in used_seeds or not is_new(cli, puzzle, fixed + [t[1] for t in taken]):
                continue
            taken.append((steps, puzzle))
            used_seeds.add(seed)
            break
        else:
            sys.exit(f"no candidate left for target {target:.0f}")
    return [puzzle for _, puzzle in sorted(taken)]


def check(cli, table):
    assert len(table) == TOTAL
    for i, (puzzle, (solved, _)) in enumerate(zip(table, solve(cli, table))):
        assert MIN_GIVENS <= givens(puzzle) <= MAX_GIVENS, (i, puzzle)
        assert solved, (i, puzzle)
        assert is_new(cli, puzzle, table[:i]), (i, puzzle)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cli", help="path of sudoku-cli")
    parser.add_argument("--seeds", type=int, default=400, help="seeds 1 to N (default 400)")
    parser.add_argument("--cpp", action="store_true", help="print C++ initializer lines")
    args = parser.parse_args()

    fixed = FIXED_FIRST + [FIXED_LAST]
    pool = candidates(args.cli, range(1, args.seeds + 1))
    table = FIXED_FIRST + select(args.cli, pool, TOTAL - len(fixed), fixed) + [FIXED_LAST]
    check(args.cli, table)
    for puzzle in table:
        print(f'    "{puzzle}",' if args.cpp else puzzle)


if __name__ == "__main__":
    main()
