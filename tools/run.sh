#!/usr/bin/env bash
# Builds the program and starts it. Without a display it runs on a virtual X display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --parallel --target vellory

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Vellory on a virtual X display (Xvfb)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/vellory"
fi
exec "$root/build/vellory"
