#!/usr/bin/env bash
# Builds the 64-bit Windows configuration with mingw-w64 and runs every test under Wine, then
# builds programs against the support library's developer kit and runs them there too.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/stages.sh
begin_run

stage "windows: set-up" bash scripts/setup-windows.sh
stage "windows: SDL2 for Windows" bash scripts/build-sdl2-windows.sh

# A Wine prefix of this tree's own, so that runs in other trees keep their Wine sessions;
# the session is ended with the run.
export WINEPREFIX="$PWD/build/windows/wine"
trap 'scripts/wine.sh --end 2>/dev/null || true' EXIT
# The prefix is made before the build, whose test discovery runs in it with a time limit.
stage "windows: Wine prefix" quiet scripts/wine.sh cmd /c exit || true

stage "windows: configure" quiet cmake --preset windows
stage "windows: build" quiet cmake --build --preset windows -j "$(nproc)"
# Now and then Wine fails to start a program at all: it ends at once having printed
# nothing. So the tests that fail are run once more, one at a time; a test that fails
# again fails the run. The Linux stage runs the same tests without a second chance.
if ! test_stage windows --preset windows -j 2; then
    echo "== windows: the failed tests once more"
    test_stage windows --preset windows --rerun-failed
fi
# The developer kit and the shared library, taken by other programs.
stage "windows: package" bash scripts/test-package.sh windows
end_run
