#!/usr/bin/env bash
# The command-line tool's output formats are read by other tools: check them exactly.
set -u
cli=$1
fails=0
check() {  # name expected actual
  if [ "$2" != "$3" ]; then
    echo "FAIL $1"; echo "  expected: $2"; echo "  actual:   $3"; fails=$((fails + 1))
  fi
}
p120=040007000006900400002006075790300020003000600010005034180700200004009800000400090

out=$(printf '%s\n' "$p120" | "$cli" solve)
check "solve fields" "1 329" "$(cut -d' ' -f1-2 <<<"$out")"
cells=$(cut -d' ' -f3 <<<"$out")
check "solve cells length" 243 "${#cells}"
check "solve cells are lowercase hex" "" "$(tr -d '0-9a-f' <<<"$cells")"
check "solve given 4 in cell 1" "010" "${cells:3:3}"

out=$(printf '%s\r\n%s\nshort\n' "${p120//0/.}" "$p120" | "$cli" solve)
check "solve dots and CR" "1 329" "$(sed -n 1p <<<"$out" | cut -d' ' -f1-2)"
check "solve error line" "error: line has 5 characters, expected 81" "$(sed -n 3p <<<"$out")"
check "solve goes on" 3 "$(wc -l <<<"$out")"

out=$(printf '%s\n' "$p120" | "$cli" transform 3 2)
check "transform (half turn, digits +3)" "030007000002300700005001024760800040009000600050006031810900500007003900000100070" "$out"
rev=$(printf '%s\n' "$out" | "$cli" transform -3 2)
check "transform back" "$p120" "$rev"

out=$(printf '%s\n%s\n%s\n' "$(printf '%s\n' "$p120" | "$cli" transform 4 1)" 0 "$p120" | "$cli" isnew)
check "isnew finds the variant" "0 28" "$out"
out=$(printf '%s\n' "$p120" | "$cli" isnew)
check "isnew with an empty list" "1 28" "$out"

# The generator from a fixed seed: the whole pipeline of random source, grid, order and search.
out=$("$cli" generate --seed 1 --attempts 3 --mode 1)
check "generate from seed 1" "138475269264913857597826134823154796915267483476389512389542671652791348741638925 24 388 720740532441776749292811546410034332606913156514590920781900475733380562456812705861560646082680186621752330634216025134257436395531791750357101222748377376440452" "$out"
read -r grid count steps order <<<"$out"
check "generate order is a permutation" "$(seq 0 80 | tr '\n' ' ')" "$(fold -w2 <<<"$order" | sed 's/^0//' | sort -n | tr '\n' ' ')"
puzzle=$(python3 -c "
import sys
g, n, o = sys.argv[1], int(sys.argv[2]), sys.argv[3]
cells = [int(o[i:i + 2]) for i in range(0, 162, 2)][:n]
print(''.join(g[i] if i in cells else '0' for i in range(81)))" "$grid" "$count" "$order")
check "generate best puzzle is solved in its steps" "1 $steps" "$(printf '%s\n' "$puzzle" | "$cli" solve | cut -d' ' -f1-2)"
check "generate without attempts" "$grid 81 0 $(printf '0%.0s' $(seq 162))" "$("$cli" generate --seed 1 --attempts 0)"
check "generate seed range" 947382651568719324123456978691847532732165489485293716216534897854971263379628145 \
  "$("$cli" generate --seed 4294967295 --attempts 0 --mode 2 | cut -d' ' -f1)"

out=$("$cli" generate --mode 1 --ms 300)
read -r puzzle givens steps rest <<<"$out"
check "generate timed fields" "81 '' ok" "${#puzzle} '$rest' $([ "$givens" -ge 17 ] && [ "$givens" -le 40 ] && echo ok)"
check "generate timed givens" "$givens" "$(tr -d '0' <<<"$puzzle" | tr -d '\n' | wc -c)"
check "generate timed puzzle is solved in its steps" "1 $steps" "$(printf '%s\n' "$puzzle" | "$cli" solve | cut -d' ' -f1-2)"

out=$("$cli" catalogue)
check "catalogue lines" 80 "$(wc -l <<<"$out")"
check "catalogue first" "$p120" "$(sed -n 1p <<<"$out")"
check "catalogue last" 000207000036040700700000800100008000073000520000900004009000008007050360000601000 "$(sed -n 80p <<<"$out")"
check "catalogue puzzles are solved" 80 "$("$cli" solve <<<"$out" | grep -c '^1 ')"

for bad in "generate --attempts 3" "generate --seed 1 --attempts 3 --mode 3" "generate --seed -1 --attempts 1" \
    "generate --seed 4294967296 --attempts 1" "generate --ms 0" "generate --seed 1 --attempts 1 --ms 50" \
    "generate --mode" "generate --frob 1" "generate --seed 1 --attempts x" "catalogue 1"; do
  err=$($cli $bad 2>&1 >/dev/null </dev/null); rc=$?
  check "bad arguments: $bad" "2 1" "$rc $(wc -l <<<"$err")"
done

"$cli" --help >/dev/null; check "help exit" 0 $?
err=$("$cli" frobnicate 2>&1 >/dev/null); rc=$?
check "unknown command exit" 2 $rc
check "unknown command one line" 1 "$(wc -l <<<"$err")"
"$cli" transform 1 8 </dev/null 2>/dev/null; check "transform range" 2 $?
"$cli" transform x 1 </dev/null 2>/dev/null; check "transform number" 2 $?
"$cli" 2>/dev/null; check "no command" 2 $?
check "help names the new commands" 3 "$("$cli" --help | grep -cE '^  (generate|catalogue)')"

# A list file for trying large catalogues: distinct, solvable, the same for the same seed.
list=$("$cli" puzzles 40 --seed 9)
check "puzzles lines" 40 "$(grep -cE '^[0-9]{81}$' <<<"$list")"
check "puzzles solved" 40 "$("$cli" solve <<<"$list" | grep -c '^1 ')"
check "puzzles reproducible" "$list" "$("$cli" puzzles 40 --seed 9)"
check "puzzles no variant of another" "1 $(tr -cd '1-9' <<<"$(sed -n 40p <<<"$list")" | wc -c)" \
  "$( (sed -n 40p <<<"$list"; head -39 <<<"$list") | "$cli" isnew)"
"$cli" puzzles 0 </dev/null 2>/dev/null; check "puzzles count" 2 $?

[ $fails -eq 0 ] && echo "cli contract: all checks passed"
exit $fails
