#!/usr/bin/env bash
# Makes the Windows release: build/windows-release/gb_runtime-windows-x64.zip, a package
# folder with gb_runtime_menu.exe, gb_runtime_lan.exe, SDL2.dll, config\, roms\,
# screenshot\ and README.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-windows.sh
bash scripts/build-sdl2-windows.sh
cmake --workflow --preset windows-release
echo "release: build/windows-release/gb_runtime-windows-x64.zip"
