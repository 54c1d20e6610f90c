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

"$cli" --help >/dev/null; check "help exit" 0 $?
err=$("$cli" frobnicate 2>&1 >/dev/null); rc=$?
check "unknown command exit" 2 $rc
check "unknown command one line" 1 "$(wc -l <<<"$err")"
"$cli" transform 1 8 </dev/null 2>/dev/null; check "transform range" 2 $?
"$cli" transform x 1 </dev/null 2>/dev/null; check "transform number" 2 $?
"$cli" 2>/dev/null; check "no command" 2 $?

[ $fails -eq 0 ] && echo "cli contract: all checks passed"
exit $fails
