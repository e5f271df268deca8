#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's GNU parallel recipe on a few thousand radicands, cut into
# chunks of 500 lines: its output must be byte for byte that of one batch.
# Usage: parallel_recipe.sh TAMSEL-CLI; exit status 77 (skipped) without parallel.
set -eu
cli=$1
command -v parallel >/dev/null || { echo "parallel fehlt: übersprungen"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk 'BEGIN { for (d = 2; d <= 3000; d++) { r = int(sqrt(d) + 0.5); if (r * r != d) print 1, d, 0, 1 } }' \
  >"$work/roots.txt"
"$cli" --batch --fields inputs,periodLength <"$work/roots.txt" >"$work/one.jsonl"
HOME=$work parallel --will-cite --pipe --keep-order -N 500 "$cli" --batch --fields inputs,periodLength \
  <"$work/roots.txt" >"$work/chunks.jsonl"
lines=$(wc -l <"$work/one.jsonl")
[ "$lines" -eq 2946 ] || { echo "eine Batch gab $lines Zeilen statt 2946"; exit 1; }
cmp "$work/one.jsonl" "$work/chunks.jsonl"
echo "$lines Antworten, gleich"
