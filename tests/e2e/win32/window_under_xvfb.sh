#!/usr/bin/env bash
# The Windows program opens its real window under Wine on a private X server, draws for a
# while and ends normally. Usage: window_under_xvfb.sh <wine runner> <gb_runtime_menu.exe>
set -euo pipefail
wine=$1
program=$2

package=$(mktemp -d)
trap 'rm -rf "$package"' EXIT
mkdir -p "$package/roms"
touch "$package/roms/a.gb" "$package/roms/b.gbc"

# A Wine session draws on the X server it was started with, so the window gets a prefix and a
# session of its own, ended before its X server goes.
export WINEPREFIX="${WINEPREFIX:-$HOME/.cache/gb-runtime/wine}-window"
status=0
GB_RUNTIME_PACKAGE_ROOT=$package xvfb-run -a sh -c \
    '"$0" "$1" --smoke-draw-ms 200; status=$?; "$0" --end; exit $status' "$wine" "$program" \
    >"$package/output" 2>"$package/errors" || status=$?
tr -d '\r' <"$package/errors" >"$package/lines"

fail() {
    echo "$1"
    cat "$package/lines"
    exit 1
}
[ "$status" -eq 0 ] || fail "exit status $status, expected 0"
grep -qx 'menu event: SDL_WINDOWEVENT SHOWN window=1 data1=0 data2=0' "$package/lines" ||
    fail "the window was not shown"
grep -q "^menu state: menu loop exited row=0(START) mode=SELF .* slot1='a.gb' " "$package/lines" ||
    fail "the menu loop did not run to its end"
[ "$(grep '^menu' "$package/lines" | tail -n 1)" = \
    "menu exit: normal return without launching runtime" ] || fail "no normal exit"
[ ! -s "$package/output" ] || fail "unexpected standard output: $(cat "$package/output")"
echo "window shown, drawn and closed normally"
