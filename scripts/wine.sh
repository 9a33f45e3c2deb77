#!/bin/sh
# Runs a 64-bit Windows program under Wine in the project's own prefix, with Wine's own
# diagnostics off so that what is printed is the program's alone. CMake uses it as the
# emulator of the Windows build: tests and their discovery run through it.
# "wine.sh --end" ends the prefix's Wine session: its server and every program in it.
export WINEPREFIX="${WINEPREFIX:-$HOME/.cache/gb-runtime/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No installers for .NET and the HTML engine when the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Debian keeps the 64-bit loader and the server off the search path.
loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
if [ "${1:-}" = --end ]; then
    exec "$server" -k
fi
exec "$loader" "$@"
