#!/usr/bin/env bash
# Whole-program timings of the menu's smoke modes against a trivial process, with hyperfine.
# The demo package of the build is the package root; --smoke-draw-ms 1 draws on SDL's dummy
# video driver, so no display is needed.
# Usage: bash bench/program_timings.sh [BUILD_FOLDER]   (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build/default}")"
menu="$build/gb_runtime_menu"
[ -x "$menu" ] || { echo "no $menu: build it first" >&2; exit 1; }

export GB_RUNTIME_PACKAGE_ROOT="$build"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
hyperfine --shell=none --warmup 5 --min-runs 50 \
    --command-name "trivial process (true)" "true" \
    --command-name "smoke test" "$menu --smoke-test" \
    --command-name "smoke draw 1 ms" "$menu --smoke-draw-ms 1" \
    --output=null
