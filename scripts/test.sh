#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tamsel and runs every test: the test programs as built for use, the
# Debian package unpacked and run, the test programs again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzers for a
# bounded time. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang libclang-rt-14-dev dpkg-dev file librsvg2-bin w3c-sgml-lib libxml2-utils lintian appstream \
  desktop-file-utils man-db texlive-latex-base texlive-latex-recommended poppler-utils python3-jsonschema parallel
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
fuzz_seconds=${TAMSEL_FUZZ_SECONDS:-45}

echo "== Tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Debian-Paket"
scripts/package-check.sh build

echo "== Tests mit AddressSanitizer und UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTAMSEL_SANITIZE=ON -DTAMSEL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== Fuzzer (${fuzz_seconds} s je Ziel)"
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMSEL_FUZZ=ON -DTAMSEL_SANITIZE=ON \
  -DTAMSEL_BUILD_TESTS=OFF -DTAMSEL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_expression fuzz_read_input_number fuzz_run fuzz_exact
for target in expression read_input_number run exact; do
  corpus=$(mktemp -d)
  cp tests/fuzz/corpus/"${target/_number/}"/* "$corpus"/
  ASAN_OPTIONS=detect_leaks=0 build-fuzz/bin/fuzz_"$target" -max_total_time="$fuzz_seconds" -timeout=10 \
    -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
  rm -rf "$corpus"
done
echo "== Alles bestanden"
