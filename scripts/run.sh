#!/usr/bin/env bash
# Installs what building and running the menu needs, builds the menu program with its demo
# package in build/default and opens the menu on it. Without a display it says so and prints
# the smoke test report instead. Arguments are passed on to the menu.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh build
# A folder made before is kept as it is (scripts/test.sh may have turned the tests on there);
# the build step below configures it again when the project's files changed.
if [ ! -f build/default/CMakeCache.txt ]; then
    echo "run: building the menu program for the first time (some 15 seconds on two cores)"
    # Only what a player needs; scripts/test.sh turns the tests and benchmarks on.
    cmake --preset default -DBUILD_TESTING=OFF -DGB_RUNTIME_BENCH=OFF >/dev/null
fi
cmake --build --preset default --target gb_runtime_menu gb_runtime_demo_package

# The build folder holds the program and the demo package (config/, roms/, screenshot/).
package="$PWD/build/default"
export GB_RUNTIME_PACKAGE_ROOT="$package"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$package/gb_runtime_menu" "$@"
fi
echo "run: no display (DISPLAY and WAYLAND_DISPLAY are not set), so no window;" \
     "the smoke test report instead:"
exec "$package/gb_runtime_menu" --smoke-test
