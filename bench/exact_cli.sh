#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end figures of tamsel-cli's exact mode: every output form beside
# the PARI/GP loop in bench/pari for the same work, as whole processes with
# standard output to /dev/null (median of 11 runs, in ms); the batch of
# every non-square d from 2 to 100000 (hyperfine, when installed); the peak
# memory of that batch, of the 532572-quotient period of sqrt(10^12 + 39)
# and of a batch of 256 answers of 300000 quotients each on two threads.
# Usage: bench/exact_cli.sh [path/to/tamsel-cli]
set -euo pipefail
cli=$(realpath "${1:-build/bin/tamsel-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pari=$(cd "$(dirname "$0")/pari" && pwd)
runs=11

# The median wall time of a command in ms.
median_ms() {
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
  done | sort -n | sed -n "$(((runs + 1) / 2))p"
}

d12=1000000000039
d40=10000000000000000000000000000000000000039
echo "== Ausgabeformen neben gp (Median aus $runs Läufen, ms)"
printf '%-34s %16s %30s\n' "Ausgabe" "sqrt(10^12+39)" "10^6 Schritte sqrt(10^40+39)"
row() {
  local name=$1
  shift
  printf '%-34s %16s %30s\n' "$name" "$(median_ms "$cli" --exact "$@" 1 "$d12" 0 1)" \
    "$(median_ms "$cli" --exact --max-steps 1000000 "$@" 1 "$d40" 0 1)"
}
if command -v gp >/dev/null; then
  printf '%-34s %16s %30s\n' "gp (bench/pari)" "$(cd "$pari" && median_ms gp -q period_sqrt_1e12_39.gp)" \
    "$(cd "$pari" && median_ms gp -q million_steps_sqrt_1e40_39.gp)"
fi
printf '%-34s %16s %30s\n' "--json --fields periodLength/steps" \
  "$(median_ms "$cli" --exact --json --fields periodLength 1 "$d12" 0 1)" \
  "$(median_ms "$cli" --exact --max-steps 1000000 --json --fields steps 1 "$d40" 0 1)"
row "--json"
row "Text (Klammerzeile)"

awk 'BEGIN { for (d = 2; d <= 100000; d++) { r = int(sqrt(d) + 0.5); if (r * r != d) print 1, d, 0, 1 } }' \
  >"$work/roots.txt"
echo "== $(wc -l <"$work/roots.txt") Zeilen, --batch --fields inputs,periodLength"
if command -v hyperfine >/dev/null; then
  hyperfine --warmup 3 --runs 20 \
    "$cli --batch --fields inputs,periodLength <$work/roots.txt >/dev/null"
else
  echo "$(median_ms sh -c "$cli --batch --fields inputs,periodLength <$work/roots.txt") ms (Median)"
fi

peak() {
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1
}
echo "== Höchster Speicherbedarf (KB)"
echo "Batch:                          $(peak "$cli" --batch --fields inputs,periodLength <"$work/roots.txt")"
echo "--exact --json 1 1000000000039: $(peak "$cli" --exact --json 1 1000000000039 0 1)"
echo "--exact 1 1000000000039:        $(peak "$cli" --exact 1 1000000000039 0 1)"
for _ in $(seq 256); do echo 1 "$d40" 0 1; done >"$work/long.txt"
echo "Batch, 256 x 300000 Quotienten:  $(peak "$cli" --batch --threads 2 --max-steps 300000 --fields quotients \
  "$work/long.txt")"
