#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when missing.
# Usage: tools/install-deps.sh [extra-package...]
set -euo pipefail

packages=(build-essential cmake qt6-base-dev libsqlite3-dev sqlite3 libgl-dev
          xvfb xauth xdotool x11-utils xdg-utils fonts-comic-neue fonts-liberation2 "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y --no-install-recommends "${missing[@]}" || {
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}
