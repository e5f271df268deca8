#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder and checks it as Debian and
# the desktop's software centres would: lintian (no error, no warning), the
# AppStream metadata, the desktop entry and the manual pages. Then unpacks
# it into a temporary folder (nothing is installed on the machine) and runs
# its two programs from there.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app_id=org.tamsel.Tamsel

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/tamsel_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "Paket: $deb"
dpkg-deb -f "$deb" Depends
files=(usr/bin/tamsel usr/bin/tamsel-cli
       usr/share/doc/tamsel/copyright usr/share/doc/tamsel/changelog.gz
       usr/share/man/man1/tamsel.1.gz usr/share/man/man1/tamsel-cli.1.gz
       usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml
       usr/share/icons/hicolor/scalable/apps/$app_id.svg
       usr/share/bash-completion/completions/tamsel-cli
       usr/share/zsh/vendor-completions/_tamsel-cli
       usr/share/fish/vendor_completions.d/tamsel-cli.fish
       usr/share/tamsel/schema/window.schema.json usr/share/tamsel/schema/exact.schema.json
       usr/share/tamsel/schema/batch-answer.schema.json usr/share/tamsel/schema/batch-error.schema.json
       usr/share/tamsel/schema/pell.schema.json usr/share/tamsel/schema/from.schema.json)
for size in 16 22 24 32 48 64 128 256; do
  files+=("usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
for f in "${files[@]}"; do
  [ -e "$root/$f" ] || { echo "fehlt im Paket: $f" >&2; exit 1; }
done

echo "-- lintian"
status=0
findings=$(lintian --fail-on error,warning --info --pedantic "$deb" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$findings" || true
if [ "$status" -ne 0 ]; then
  echo "lintian meldet Fehler oder Warnungen (Status $status)" >&2
  exit 1
fi

echo "-- AppStream"
appstreamcli validate --pedantic --strict --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"

echo "-- Desktop-Eintrag"
complaints=$(desktop-file-validate "$root/usr/share/applications/$app_id.desktop" 2>&1) || true
if [ -n "$complaints" ]; then
  echo "$complaints" >&2
  exit 1
fi

echo "-- Handbuchseiten"
# In a UTF-8 locale and in the plain C locale, whose terminal knows only ASCII.
for page in "$root"/usr/share/man/man1/*.1.gz; do
  for locale in C.UTF-8 C; do
    complaints=$(LC_ALL=$locale MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || true
    if [ -n "$complaints" ]; then
      echo "$(basename "$page") ($locale): $complaints" >&2
      exit 1
    fi
  done
done

echo "-- Programme"
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
echo "Paket ist vollständig und sauber; beide Programme laufen."
