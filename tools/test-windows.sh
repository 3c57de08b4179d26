#!/usr/bin/env bash
# Cross-builds the plain C++ part of the program and the Windows backend's tests with
# mingw-w64 into build-windows/ and runs the tests under Wine (CTest label "wine"), in a Wine
# prefix and home folder of the build's own (build-windows/wine). Arguments go to ctest.
#
# When mingw-w64 or Wine cannot be installed it says so and skips the tests without failing;
# otherwise the exit status is that of the build and the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-windows"
in_wine=("$root/cmake/wine-env.sh" "$build/wine")

if ! "$root/tools/install-deps.sh" g++-mingw-w64-x86-64-posix wine wine64; then
    echo "*** mingw-w64 and Wine could not be installed: the Windows tests are SKIPPED. ***" >&2
    exit 0
fi

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DVELLORY_BUILD_GUI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel

# A server left over from an interrupted run would serve an older prefix.
"${in_wine[@]}" wineserver -k >/dev/null 2>&1 || true
trap '"${in_wine[@]}" wineserver -k >/dev/null 2>&1 || true' EXIT

# Creates the prefix, or brings an existing one up to date, and waits until Wine is done.
echo "Preparing the Wine prefix in $build/wine"
"${in_wine[@]}" wine wineboot -i </dev/null >/dev/null 2>&1
"${in_wine[@]}" wineserver -w

# One server for every test, with Wine's background services already started: otherwise each
# test pays their start-up, and they would inherit the pipes through which ctest reads a
# test's output, so ctest would wait for them.
"${in_wine[@]}" wineserver -p </dev/null >/dev/null 2>&1
"${in_wine[@]}" wine cmd /c exit 0 </dev/null >/dev/null 2>&1

ctest --test-dir "$build" -L wine --output-on-failure "$@"
