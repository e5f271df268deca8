#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder, unpacks it into a
# temporary folder (nothing is installed on the machine) and runs its two
# programs from there.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/tamsel_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "Paket: $deb"
dpkg-deb -f "$deb" Depends
for f in usr/bin/tamsel usr/bin/tamsel-cli usr/share/applications/tamsel.desktop \
         usr/share/icons/hicolor/16x16/apps/tamsel.png usr/share/icons/hicolor/32x32/apps/tamsel.png \
         usr/share/icons/hicolor/scalable/apps/tamsel.svg usr/share/man/man1/tamsel-cli.1; do
  [ -e "$root/$f" ] || { echo "fehlt im Paket: $f" >&2; exit 1; }
done

json=$("$root/usr/bin/tamsel-cli" --json 1 2 0 1)
case "$json" in
  '{"notation":"x = [ 1; 2   Periode 2 ]\r\n","trace":" 1\t 2\t 0\t 1\t> 1\r\n 1\t 2\t 1\t 1\t> 2\r\n 1\t 2\t 1\t 1",'*) ;;
  *) echo "tamsel-cli aus dem Paket gibt Unerwartetes aus: $json" >&2; exit 1 ;;
esac

# The window program keeps running until it is stopped: 124 from timeout is success.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/tamsel" >/dev/null 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  echo "tamsel aus dem Paket endete mit Status $status" >&2
  exit 1
fi
echo "Paket ist vollständig; beide Programme laufen."
