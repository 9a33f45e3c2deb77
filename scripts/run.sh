#!/usr/bin/env bash
# Installs what is missing, builds the default configuration with its demo package and opens
# the menu on it. Without a display it says so and prints the smoke test report instead.
# Arguments are passed on to the menu.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default >/dev/null
# Only what a player needs: the program and its demo package (the tests are scripts/test.sh's).
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
