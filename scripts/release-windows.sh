#!/usr/bin/env bash
# Makes the Windows release in build/windows-release: gb_runtime-<version>-windows-x64.zip, a
# package folder with gb_runtime_menu.exe, gb_runtime_lan.exe, SDL2.dll, config\, roms\,
# screenshot\ and README.txt; and gb_runtime_support-<version>-windows-x64-dev.zip, the
# developer kit: the support library installed (headers, library, CMake package, pkg-config).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-windows.sh
bash scripts/build-sdl2-windows.sh
# CPack names both zips as it makes them.
cmake --workflow --preset windows-release
