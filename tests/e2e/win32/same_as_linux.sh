#!/usr/bin/env bash
# The Windows program under Wine and the Linux program agree: the same smoke report from a
# package with three cartridges (the host line aside), and a settings file written by either
# one is read back by the other to the same state. Folder and cartridge names have Latin
# accented and Japanese letters, which must come through as the same UTF-8 on both.
# Usage: same_as_linux.sh <wine runner> <gb_runtime_menu.exe> <Linux gb_runtime_menu>
set -euo pipefail
wine=$1
windows_program=$2
linux_program=$3
if [ ! -x "$linux_program" ]; then
    echo "skipped: no Linux build of the menu at $linux_program"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A package root with three cartridges and, if given, a settings file.
make_package() {
    mkdir -p "$work/$1/roms" "$work/$1/config"
    touch "$work/$1/roms/a.gb" "$work/$1/roms/b.gbc" "$work/$1/roms/Pokémon ポケモン.gbc"
    if [ -n "${2:-}" ]; then
        printf '%s' "$2" >"$work/$1/config/gb_runtime_keys.conf"
    fi
}

# Runs a program in a package; standard output without the host line and with Windows' line
# ends made plain. Standard error goes to <package>.errors.
run() {
    local program=("$1")
    [ "$1" = linux ] && program=("$linux_program") || program=("$wine" "$windows_program")
    GB_RUNTIME_PACKAGE_ROOT="$work/$2" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        "${program[@]}" "$3" 2>"$work/$2.errors" | tr -d '\r' | grep -v '^  host: '
}

expect_same() {
    if ! diff -u "$work/$2" "$work/$3" >"$work/difference"; then
        echo "$1"
        cat "$work/difference"
        exit 1
    fi
}

make_package cartridges-Jörg-ゲーム
run linux cartridges-Jörg-ゲーム --smoke-test >"$work/linux.report"
run windows cartridges-Jörg-ゲーム --smoke-test >"$work/windows.report"
grep -q '^  rom candidates: 3$' "$work/linux.report" || { cat "$work/linux.report"; exit 1; }
expect_same "the smoke reports differ" linux.report windows.report

settings='slot1_keys=Up,Down,Left,Right,A,S,Space,Tab
slot2_keys=I,K,J,L,U,O,Y,H
fast_key=G
escape_key=Q
recent_slot1_rom=Pokémon ポケモン.gbc
display_scale=3
'
for writer in linux windows; do
    reader=$([ "$writer" = linux ] && echo windows || echo linux)
    written="written_by_$writer-é" read="read_by_$reader-名"
    make_package "$written" "$settings"
    run "$writer" "$written" --smoke-save-key-config >/dev/null
    grep -q '^display_scale=3' "$work/$written/config/gb_runtime_keys.conf" &&
        grep -q '^recent_slot1_rom=Pokémon ポケモン.gbc' "$work/$written/config/gb_runtime_keys.conf" ||
        { echo "$writer did not write the settings"; exit 1; }
    run "$writer" "$written" --smoke-test >"$work/$writer.state"
    grep -q '^  slot1 cart filename: Pokémon ポケモン.gbc$' "$work/$writer.state" ||
        { echo "$writer did not choose the cartridge by its name"; exit 1; }
    make_package "$read"
    cp "$work/$written/config/gb_runtime_keys.conf" "$work/$read/config/"
    run "$reader" "$read" --smoke-test >"$work/$reader.state"
    expect_same "$reader does not read what $writer wrote to the same state" \
        "$writer.state" "$reader.state"
done
echo "same reports and settings on both systems"
