#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end figures of tamsel-cli --pell against PARI/GP in the same run:
# the fundamental unit of Z[sqrt(D)] with all its decimal digits (tamsel-cli
# writes them as JSON, GP turns x and y into strings with Str), the peak
# memory, and the regulator alone (--fields regulator, without the unit).
# Each figure is the best of `runs` runs (wall-clock seconds, /usr/bin/time).
# Usage: bench/pell_cli.sh [path/to/tamsel-cli] [runs]
set -euo pipefail
cli=$(realpath "${1:-build/bin/tamsel-cli}")
runs=${2:-3}
pari_dir=$(dirname "$(realpath "$0")")/pari

# best_of COMMAND...: "seconds kilobytes" of the fastest run.
best_of() {
  local best="" line
  for _ in $(seq "$runs"); do
    line=$(/usr/bin/time -f '%e %M' "$@" 2>&1 >/dev/null | tail -n 1)
    if [ -z "$best" ] || awk -v a="${line% *}" -v b="${best% *}" 'BEGIN { exit !(a < b) }'; then best=$line; fi
  done
  echo "$best"
}

for d in 1000000000039 100000000000031; do
  ours=$(best_of "$cli" --pell --json --fields unit --max-steps 10000000 "$d")
  theirs=$(PELL_D=$d best_of gp -q -f "$pari_dir/quadunit_digits.gp")
  regulator=$(best_of "$cli" --pell --json --fields regulator --max-steps 10000000 "$d")
  digits=$("$cli" --pell --json --fields unit --max-steps 10000000 "$d" | awk -F'"' '{ print length($6) + length($10) }')
  echo "== D = $d ($digits Ziffern in x und y)"
  echo "tamsel-cli --pell --json --fields unit:  ${ours% *} s, höchstens ${ours#* } KB"
  echo "gp Str(quadunit(4*D)):                   ${theirs% *} s, höchstens ${theirs#* } KB"
  awk -v a="${theirs% *}" -v b="${ours% *}" 'BEGIN { printf "gp / tamsel-cli:                         %.2f\n", a / b }'
  echo "tamsel-cli --pell --fields regulator:    ${regulator% *} s"
done
