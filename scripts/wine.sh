#!/bin/sh
# Runs a 64-bit Windows program under Wine in the project's own prefix, with Wine's own
# diagnostics off so that what is printed is the program's alone. CMake uses it as the
# emulator of the Windows build: tests and their discovery run through it.
# "wine.sh --end" ends the prefix's Wine session: its server and every program in it.
export WINEPREFIX="${WINEPREFIX:-$HOME/.cache/gb-runtime/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# Wine turns file names and command lines into Windows text by the locale, whatever the caller
# set (a minimal system sets none).
export LC_ALL=C.UTF-8
# No installers for .NET and the HTML engine when the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Debian keeps the 64-bit loader and the server off the search path.
loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
if [ "${1:-}" = --end ]; then
    exec "$server" -k
fi

# The first program of a session makes the prefix when there is none and starts Wine's
# background services and the desktop window, which live as long as the server: started on
# behalf of a program, they would hold its output open after it ended (a test would never
# end), and two programs starting the desktop at once may leave one without windows. So the
# session is started here, once, under a lock, with the output of what it starts going
# nowhere. It ends a minute after its last program.
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX/.session-lock"
flock 9
# The session's processes must not inherit the lock, or they would hold it while they live.
if "$server" -p60 </dev/null >/dev/null 2>&1 9>&-; then
    "$loader" wineboot </dev/null >/dev/null 2>&1 9>&-
    "$loader" rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 9>&-
fi
exec 9>&-
exec "$loader" "$@"
