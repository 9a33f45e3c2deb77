#!/usr/bin/env bash
# The Windows program under Wine, started the ways players start it: from a command prompt,
# from the root folder of a drive, and from a folder whose name has letters of other scripts.
# Usage: started_as_players_do.sh <wine runner> <gb_runtime_menu.exe> <test_e2e.exe>
set -euo pipefail
wine=$1
program=$2
tests=$3

work=$(mktemp -d)
# Wine takes a drive letter from a link in its prefix.
drive="${WINEPREFIX:-$HOME/.cache/gb-runtime/wine}/dosdevices/y:"
trap 'rm -f "$drive"; rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
unset GB_RUNTIME_PACKAGE_ROOT GB_RUNTIME_KEY_CONFIG

fail() {
    echo "$1"
    tr -d '\r' <"$2"
    exit 1
}

# A package folder with the program and SDL2.dll in it (or in its build folder) and the
# cartridges given.
make_package() {
    local root=$1 bin=$2
    shift 2
    mkdir -p "$bin" "$root/roms" "$root/config"
    cp "$program" "$(dirname "$program")/SDL2.dll" "$bin/"
    for cartridge in "$@"; do
        touch "$root/roms/$cartridge"
    done
}

# From a console: script(1) gives Wine a terminal, which becomes the console of what runs in
# it. The console draws blanks as cursor moves, so the text is compared without escapes and
# blanks.
mkdir -p "$work/prompt/roms"
GB_RUNTIME_PACKAGE_ROOT="$work/prompt" script -qec "'$wine' '$tests' \
    --gtest_color=no --gtest_also_run_disabled_tests --gtest_filter=MenuFromAPrompt.*" /dev/null \
    </dev/null >"$work/prompt.raw"
sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' "$work/prompt.raw" | tr -d ' \r\n' >"$work/prompt.text"
for shown in 'Usage:gb_runtime_menu[--smoke-test][--smoke-save-key-config][--smoke-draw-msN]' \
    "cwd:packagerootoverride'" '[PASSED]1test'; do
    grep -qF -- "$shown" "$work/prompt.text" || fail "not in the console: $shown" "$work/prompt.raw"
done

# From a drive's root folder, and from a build folder there: the root is "Y:\", not "Y:",
# which would mean the drive's current folder.
[ ! -e "$drive" ] || { echo "drive y: is taken in this Wine prefix"; exit 1; }
make_package "$work/drive" "$work/drive" a.gb
make_package "$work/drive" "$work/drive/build"
ln -s "$work/drive" "$drive"
for started in 'y:\gb_runtime_menu.exe' 'y:\build\gb_runtime_menu.exe'; do
    (cd "$work" && "$wine" "$started" --smoke-test >"$work/drive.report" 2>"$work/drive.errors") ||
        fail "$started failed" "$work/drive.errors"
    tr -d '\r' <"$work/drive.errors" | grep -qix "cwd: package root 'y:\\\\' result=0" ||
        fail "$started: not the drive's root" "$work/drive.errors"
    grep -q '^  rom candidates: 1' "$work/drive.report" || fail "$started" "$work/drive.report"
done

# From a folder of Latin accented and Japanese letters, with cartridges named so: listed,
# chosen and saved by their own names.
root="$work/Spiele-Jörg-ゲーム"
make_package "$root" "$root/build" 'Pokémon Crystal.gbc' 'ポケモン 金.gb' 'Ёлка.gb'
printf 'recent_slot1_rom=ポケモン 金.gb\n' >"$root/config/gb_runtime_keys.conf"
windows_root="Z:$(printf '%s' "$root" | tr / '\\')"
for mode in --smoke-save-key-config --smoke-test; do
    "$wine" "$root/build/gb_runtime_menu.exe" $mode >"$work/named.report" 2>"$work/named.errors" ||
        fail "$mode failed" "$work/named.errors"
    tr -d '\r' <"$work/named.errors" | grep -qxF "cwd: package root '$windows_root' result=0" ||
        fail "$mode: not the package root $windows_root" "$work/named.errors"
done
tr -d '\r' <"$work/named.report" >"$work/named.lines"
grep -qx '  rom candidates: 3' "$work/named.lines" || fail "not every cartridge" "$work/named.lines"
grep -qx '  slot1 cart filename: ポケモン 金.gb' "$work/named.lines" ||
    fail "not the chosen cartridge" "$work/named.lines"
tr -d '\r' <"$root/config/gb_runtime_keys.conf" | grep -qx 'recent_slot1_rom=ポケモン 金.gb' ||
    fail "the settings do not name it in UTF-8" "$root/config/gb_runtime_keys.conf"
echo "console, drive root and named folders as on a player's machine"
