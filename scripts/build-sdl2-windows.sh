#!/usr/bin/env bash
# Cross-builds SDL2 for 64-bit Windows from Debian's own source package of libsdl2 and
# installs it into a cache outside the source tree. Does nothing when the cache is there.
set -euo pipefail
cd "$(dirname "$0")/.."

prefix=${GB_RUNTIME_WINDOWS_PREFIX:-$HOME/.cache/gb-runtime/sdl2-windows-2.26.5}
[ -f "$prefix/bin/SDL2.dll" ] && exit 0

source scripts/lib/apt.sh
sources=/etc/apt/sources.list.d/gb-runtime-debian-src.sources
if ! apt-get source --print-uris libsdl2 >/dev/null 2>&1; then
    if ! find_root; then
        echo "setup: SDL2's source package needs a deb-src entry for bookworm main: as root," \
            "write the one in $0 to $sources and run apt-get update" >&2
        exit 1
    fi
    echo "setup: enabling Debian source packages in $sources"
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
        $sudo tee "$sources" >/dev/null
    apt_get update -qq
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "setup: cross-building SDL2 for Windows into $prefix (some 4.5 minutes on two cores)"
(cd "$work" && apt-get source -qq libsdl2 >/dev/null 2>&1)
source_dir=$(find "$work" -maxdepth 1 -type d -name 'libsdl2-2.26*' | head -n 1)
[ -n "$source_dir" ] || { echo "setup: libsdl2 2.26 source package not found" >&2; exit 1; }

cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF >"$work/configure.log" ||
    { tail -n 40 "$work/configure.log"; exit 1; }
cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" || { tail -n 40 "$work/build.log"; exit 1; }
cmake --install "$work/build" >/dev/null
