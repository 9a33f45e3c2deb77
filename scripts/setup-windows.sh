#!/usr/bin/env bash
# Installs, on top of what scripts/setup.sh installs, what the Windows build and its tests
# need: the mingw-w64 compilers (POSIX threads flavour), GoogleTest's sources, zlib for
# Windows, Wine to run the programs, and dpkg-dev for SDL2's source package.
set -euo pipefail
exec bash "$(dirname "$0")/setup.sh" test \
    g++-mingw-w64-x86-64-posix googletest libz-mingw-w64-dev wine64 dpkg-dev
