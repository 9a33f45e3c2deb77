#!/bin/sh
# Runs a 64-bit Windows program under Wine in the project's own prefix, with Wine's own
# diagnostics off so that what is printed is the program's alone. CMake uses it as the
# emulator of the Windows build: tests and their discovery run through it.
export WINEPREFIX="${WINEPREFIX:-$HOME/.cache/gb-runtime/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No installers for .NET and the HTML engine when the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if command -v wine64 >/dev/null 2>&1; then
    exec wine64 "$@"
fi
exec /usr/lib/wine/wine64 "$@"
