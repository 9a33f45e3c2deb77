#!/usr/bin/env bash
# Builds and runs every test: a plain Release configure of the programs, the default and the
# sanitizer configuration, the support library installed and taken by other programs, the
# Windows build under Wine, then the fuzz targets (corpus replay and a short bounded run of
# each).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh test

jobs=$(nproc)
# The build a newcomer makes without the presets: the compiler's warnings stay warnings there,
# and the programs must build.
echo "== plain Release configure: build"
cmake -S . -B build/plain-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/plain-release -j "$jobs" --target gb_runtime_menu gb_runtime_lan
echo "== plain Release configure: install"
rm -rf build/plain-release/installed
cmake --install build/plain-release --prefix build/plain-release/installed >/dev/null

for preset in default asan; do
    echo "== $preset: build"
    # scripts/run.sh makes build/default without the tests and benchmarks: turn them on.
    options=()
    [ "$preset" = default ] && options=(-DBUILD_TESTING=ON -DGB_RUNTIME_BENCH=ON)
    cmake --preset "$preset" "${options[@]}" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    echo "== $preset: test"
    ctest --preset "$preset" -j "$jobs"
done

echo "== package: static and shared, installed and moved, find_package, pkg-config, sub-project"
bash scripts/test-package.sh

bash scripts/test-windows.sh

bash scripts/fuzz.sh "${GB_RUNTIME_FUZZ_SECONDS:-30}"
echo "== all tests passed"
