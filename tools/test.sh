#!/usr/bin/env bash
# Builds everything and runs every test: the Linux build, then the Windows backend under
# Wine (tools/test-windows.sh). Arguments go to ctest. Fails when either part fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --parallel
status=0
ctest --test-dir "$root/build" --output-on-failure "$@" || status=$?
"$root/tools/test-windows.sh" "$@" || status=1
exit $status
