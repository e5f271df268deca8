#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's pictures from the real window (offscreen, 1024 x 768):
# docs/images/fenster-wurzel7.png   after a run of √7, the drawing shown
# docs/images/fenster-klammer.png   after several runs, the bracket notation shown
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tamsel-screenshot
mkdir -p docs/images
export QT_QPA_PLATFORM=offscreen
build/bin/tamsel-screenshot docs/images/fenster-wurzel7.png --screen 1024x768 --run 1,7,0,1
build/bin/tamsel-screenshot docs/images/fenster-klammer.png --screen 1024x768 \
  --run 1,2,0,1 --run 1,7,0,1 --run 1,13,0,1 --run 1,5,1,2 --run 0,2,3,2 \
  --variant --run 1,2,0,1 --run 1,7,0,1 --run 1,5,1,2 --notation
echo "docs/images/fenster-wurzel7.png und docs/images/fenster-klammer.png geschrieben."
