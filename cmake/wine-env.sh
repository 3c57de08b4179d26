#!/usr/bin/env bash
# Runs a command in the build's own Wine setup.
# Usage: wine-env.sh <state folder> <command> [argument...]
#   e.g. wine-env.sh build-windows/wine wine test.exe
#        wine-env.sh build-windows/wine wineserver -k
# The state folder holds the Wine prefix ("prefix") and the home folder that Wine links the
# user's Desktop and Documents to ("home"), so nothing reaches the real home.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 <state folder> <command> [argument...]" >&2; exit 2; }
mkdir -p "$1/home"
state=$(cd "$1" && pwd)
shift

export WINEPREFIX="$state/prefix"
export HOME="$state/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export WINEDEBUG=-all
# No menu entries or file associations on the host for what the prefix installs.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
# Wine passes file names to the host in the locale's encoding: without UTF-8 a name such as
# "Christian Café.url" cannot be created.
export LANG=C.UTF-8
unset LC_ALL LC_CTYPE
# No windows on the developer's screen: the tests need none, and CI has no display.
unset DISPLAY WAYLAND_DISPLAY
exec "$@"
