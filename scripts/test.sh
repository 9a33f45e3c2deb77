#!/usr/bin/env bash
# Builds and runs every test: the default and the sanitizer configuration, the Windows
# build under Wine, then the fuzz targets (corpus replay and a short bounded run of each).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
for preset in default asan; do
    echo "== $preset: build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    echo "== $preset: test"
    ctest --preset "$preset" -j "$jobs"
done

bash scripts/test-windows.sh

bash scripts/fuzz.sh "${GB_RUNTIME_FUZZ_SECONDS:-30}"
echo "== all tests passed"
