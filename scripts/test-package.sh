#!/usr/bin/env bash
# The support library as the runtime's other programs take it. The library is built and
# installed, static and shared, each prefix is moved elsewhere, and the programs of
# tests/consumer are built against it by find_package and by pkg-config and run; once more
# with this tree as their sub-project, without SDL2. A shared library must export the C API
# and nothing else. "test-package.sh windows" does the same with the mingw-w64 cross-build
# (the developer kit of the release), the programs run under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
platform=${1:-linux}
work=$PWD/build/package-$platform
rm -rf "$work"
mkdir -p "$work"

if [ "$platform" = windows ]; then
    toolchain=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake")
    cc=x86_64-w64-mingw32-gcc-posix
    cxx=x86_64-w64-mingw32-g++-posix
    # The compiler's runtime linked in, so that Wine needs no DLL of it beside the programs.
    standalone=(-static-libgcc -static-libstdc++)
    exe=.exe
    run() { scripts/wine.sh "$@"; }
else
    toolchain=()
    cc=cc
    cxx=c++
    standalone=()
    exe=
    run() { "$@"; }
fi

fail() {
    echo "package: $*" >&2
    exit 1
}

# Builds the library alone, installs it with its package files and moves the prefix away.
install_moved() {
    local kind=$1 shared=$2
    cmake -S . -B "$work/$kind-build" -G Ninja "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS="$shared" -DBUILD_TESTING=OFF -DGB_RUNTIME_BENCH=OFF >/dev/null
    cmake --build "$work/$kind-build" -j 2 --target gb_runtime_support >/dev/null
    cmake --install "$work/$kind-build" --component development --prefix "$work/installed" \
        >/dev/null
    mv "$work/installed" "$work/$kind"
    if grep -rIl "$PWD" "$work/$kind"; then
        fail "the files above name the folder they were built or installed in"
    fi
}

# Runs both programs; on Windows a shared library is found beside them.
run_programs() {
    local folder=$1 kit=$2
    if [ "$platform" = windows ] && [ -d "$kit/bin" ]; then
        cp "$kit"/bin/*.dll "$folder/"
    fi
    LD_LIBRARY_PATH="$kit/lib" run "$folder/bounded_copy$exe" >/dev/null
    LD_LIBRARY_PATH="$kit/lib" run "$folder/tcp_round_trip$exe" >/dev/null
}

consume_with_find_package() {
    local kit=$1 folder=$work/$(basename "$1")-find-package
    # The cross toolchain looks for packages only inside the target system's folders.
    cmake -S tests/consumer -B "$folder" -G Ninja "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release \
        -Dgb_runtime_DIR="$kit/lib/cmake/gb_runtime" >/dev/null
    cmake --build "$folder" -j 2 >/dev/null
    run_programs "$folder" "$kit"
}

consume_with_pkg_config() {
    local kit=$1 static=$2 folder=$work/$(basename "$1")-pkg-config
    mkdir -p "$folder"
    local flags
    flags=$(PKG_CONFIG_LIBDIR="$kit/lib/pkgconfig" pkg-config --cflags --libs $static \
        gb_runtime_support)
    # shellcheck disable=SC2086 # the flags are words
    "$cc" tests/consumer/bounded_copy.c $flags "${standalone[@]}" -o "$folder/bounded_copy$exe"
    # shellcheck disable=SC2086
    "$cxx" -std=c++17 tests/consumer/tcp_round_trip.cpp $flags "${standalone[@]}" \
        -o "$folder/tcp_round_trip$exe"
    run_programs "$folder" "$kit"
}

# The shared library's exported names: the dynamic symbol table, or the DLL's export table.
exported_names() {
    if [ "$platform" = windows ]; then
        objdump -p "$work/shared/bin/gb_runtime_support.dll" |
            sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p'
    else
        nm -D --defined-only "$work/shared/lib/libgb_runtime_support.so" | awk '{print $3}'
    fi
}

echo "package: static"
install_moved static OFF
consume_with_find_package "$work/static"
consume_with_pkg_config "$work/static" --static
if cmake -S tests/consumer -B "$work/wants-9.0" -G Ninja "${toolchain[@]}" \
    -Dgb_runtime_DIR="$work/static/lib/cmake/gb_runtime" -DGB_RUNTIME_WANTED=9.0 >/dev/null 2>&1; then
    fail "a program asking for version 9.0 was served 1.x"
fi

echo "package: shared"
install_moved shared ON
names=$(exported_names)
grep -qx vortelan_gb_runtime_copy_text <<<"$names" || fail "the C API is not exported"
if grep -v '^vortelan_gb_runtime_' <<<"$names"; then
    fail "the shared library exports the names above"
fi
consume_with_find_package "$work/shared"
consume_with_pkg_config "$work/shared" ""

if [ "$platform" = linux ]; then
    readelf -d "$work/shared/lib/libgb_runtime_support.so" |
        grep -q 'SONAME.*libgb_runtime_support\.so\.1\]' || fail "no SONAME with the major version"
    echo "package: sub-project"
    folder=$work/sub-project
    cmake -S tests/consumer -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DGB_RUNTIME_SOURCE="$PWD" -DCMAKE_DISABLE_FIND_PACKAGE_SDL2=ON --no-warn-unused-cli >/dev/null
    if cmake --build "$folder" --target help | grep -E 'gb_runtime_menu|gb_runtime_lan|test_|bench_'; then
        fail "the sub-project builds more than the support library"
    fi
    cmake --build "$folder" -j 2 >/dev/null
    run_programs "$folder" ""
fi
