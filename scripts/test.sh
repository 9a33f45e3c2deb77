#!/usr/bin/env bash
# Builds and runs every test: a plain Release configure of the programs, the default and the
# sanitizer configuration, the support library installed and taken by other programs, the
# Windows build under Wine, then the fuzz targets (corpus replay and a short bounded run of
# each). Each stage says when it starts and ends; the run ends with the counts of passed,
# failed and skipped tests.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/stages.sh
begin_run

stage "set-up" bash scripts/setup.sh test

jobs=$(nproc)
# The build a newcomer makes without the presets: the compiler's warnings stay warnings there,
# and the programs must build.
stage "plain Release: configure" quiet cmake -S . -B build/plain-release -DCMAKE_BUILD_TYPE=Release
stage "plain Release: build" quiet cmake --build build/plain-release -j "$jobs" \
    --target gb_runtime_menu gb_runtime_lan
rm -rf build/plain-release/installed
stage "plain Release: install" quiet \
    cmake --install build/plain-release --prefix build/plain-release/installed

for preset in default asan; do
    # scripts/run.sh makes build/default without the tests and benchmarks: turn them on.
    options=()
    [ "$preset" = default ] && options=(-DBUILD_TESTING=ON -DGB_RUNTIME_BENCH=ON)
    stage "$preset: configure" quiet cmake --preset "$preset" "${options[@]}"
    stage "$preset: build" quiet cmake --build --preset "$preset" -j "$jobs"
    test_stage "$preset" --preset "$preset" -j "$jobs"
done

# The support library static and shared, installed and moved, taken by find_package,
# pkg-config and as a sub-project.
stage "package" bash scripts/test-package.sh

bash scripts/test-windows.sh

bash scripts/fuzz.sh "${GB_RUNTIME_FUZZ_SECONDS:-30}"
end_run
