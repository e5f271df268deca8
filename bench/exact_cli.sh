#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end figures of tamsel-cli's exact mode: the batch of every
# non-square d from 2 to 100000 (hyperfine), and the peak memory of that
# batch and of the 532572-quotient period of sqrt(10^12 + 39).
# Usage: bench/exact_cli.sh [path/to/tamsel-cli]
set -euo pipefail
cli=$(realpath "${1:-build/bin/tamsel-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk 'BEGIN { for (d = 2; d <= 100000; d++) { r = int(sqrt(d) + 0.5); if (r * r != d) print 1, d, 0, 1 } }' \
  >"$work/roots.txt"
echo "== $(wc -l <"$work/roots.txt") Zeilen, --batch --fields inputs,periodLength"
hyperfine --warmup 3 --runs 20 \
  "$cli --batch --fields inputs,periodLength <$work/roots.txt >/dev/null"

peak() {
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1
}
echo "== Höchster Speicherbedarf (KB)"
echo "Batch:                          $(peak "$cli" --batch --fields inputs,periodLength <"$work/roots.txt")"
echo "--exact --json 1 1000000000039: $(peak "$cli" --exact --json 1 1000000000039 0 1)"
echo "--exact 1 1000000000039:        $(peak "$cli" --exact 1 1000000000039 0 1)"
