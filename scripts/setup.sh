#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what a fresh Debian 12 machine lacks to build, run and test Tamsel.
# Quick when everything is already there: it asks apt only for missing packages.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  libgmp-dev libmpfr-dev librsvg2-bin
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation locales
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  cat >&2 <<EOF_MESSAGE
Es fehlen Debian-Pakete, und ohne root-Rechte oder sudo kann dieses Skript sie
nicht installieren. Bitte als root installieren, zum Beispiel mit
    su -c 'apt-get update && apt-get install --no-install-recommends ${missing[*]}'
und das Skript dann noch einmal starten.

Debian packages are missing, and without root rights or sudo this script
cannot install them. Please install them as root, for example with the
command above, then start the script again.
EOF_MESSAGE
  exit 1
fi
echo "Installiere: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
