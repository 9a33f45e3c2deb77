#!/usr/bin/env bash
# What the menu costs sitting idle in a real window on a private Xvfb screen: the share of one
# core taken by the main menu and by the key configuration screen, with the default renderer
# and with the software renderer, for the program built in BUILD_FOLDER and, in the same run,
# for a baseline built from the commit BASELINE (by default the last one that drew and
# presented every frame whether anything changed or not), with the ratio of the two.
# Usage: bash bench/idle_cpu.sh [BUILD_FOLDER] [SECONDS] [BASELINE]
#        (defaults: build/default, 10, e67e4d5)
# The baseline is built once into build/idle-baseline-<commit> (some 15 seconds on two cores).
set -euo pipefail
cd "$(dirname "$0")/.."
# The baseline is built from the project's history.
if ! command -v git >/dev/null || ! git rev-parse --git-dir >/dev/null 2>&1; then
    echo "idle: needs git (apt-get install git) and a git clone of the project," \
        "to build the baseline commit" >&2
    exit 1
fi
build="$(realpath "${1:-build/default}")"
seconds="${2:-10}"
baseline_commit="$(git rev-parse --short "${3:-e67e4d5}")"
menu="$build/gb_runtime_menu"
[ -x "$menu" ] || { echo "no $menu: build it first" >&2; exit 1; }

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

baseline="$PWD/build/idle-baseline-$baseline_commit"
if [ ! -x "$baseline/build/gb_runtime_menu" ]; then
    echo "idle: building the baseline $baseline_commit into $baseline"
    rm -rf "$baseline"
    mkdir -p "$baseline/source"
    git archive "$baseline_commit" | tar -x -C "$baseline/source"
    cmake -S "$baseline/source" -B "$baseline/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=OFF -DGB_RUNTIME_BENCH=OFF >/dev/null
    cmake --build "$baseline/build" --target gb_runtime_menu >/dev/null
fi

# Xvfb picks a free display number and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    grep -q . "$work/display" 2>/dev/null && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hertz=$(getconf CLK_TCK)

# Sets percent to the share of one core that the program takes idle on a screen, with the
# renderer named (empty: SDL's first choice). The build folder's demo package is the package
# root. Run in this shell, not a subshell, so that the program is always stopped.
idle_percent() {
    local program="$1" renderer="$2" screen="$3" pid window="" before after
    SDL_RENDER_DRIVER="$renderer" GB_RUNTIME_PACKAGE_ROOT="$build" SDL_VIDEODRIVER=x11 \
        GB_RUNTIME_KEY_CONFIG="$work/keys.conf" "$program" >"$work/menu.out" 2>"$work/menu.log" &
    pid=$!
    pids+=("$pid")
    for _ in $(seq 100); do
        window="$(timeout 5 xdotool search --name "VORTELAN EMULATOR" 2>/dev/null | head -n1)" ||
            true
        [ -n "$window" ] && break
        sleep 0.1
    done
    sleep 1 # past start-up and the first frames
    if [ "$screen" = "key config" ]; then
        # MODE is three rows down; KEY CONFIG is six modes on; START is three rows up again.
        timeout 20 xdotool windowfocus "$window" key --delay 40 Down Down Down Right Right Right \
            Right Right Right Up Up Up Return || true
        sleep 1
        grep -q "menu action: open key config" "$work/menu.log" ||
            { echo "idle: the key configuration screen did not open" >&2; exit 1; }
    fi
    before=$(ticks "$pid")
    sleep "$seconds"
    after=$(ticks "$pid")
    # SIGTERM would only close the key configuration screen, as a quit request does.
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
    percent=$(awk -v t=$((after - before)) -v hz="$hertz" -v s="$seconds" \
        'BEGIN { printf "%.2f", 100 * t / hz / s }')
}

printf "idle share of one core over %d s (baseline %s)\n" "$seconds" "$baseline_commit"
printf "%-12s %-9s %10s %10s %8s\n" screen renderer baseline this ratio
for renderer in "" software; do
    for screen in "main menu" "key config"; do
        idle_percent "$baseline/build/gb_runtime_menu" "$renderer" "$screen"
        old="$percent"
        idle_percent "$menu" "$renderer" "$screen"
        new="$percent"
        ratio=$(awk -v old="$old" -v new="$new" 'BEGIN { if (old > 0) printf "%.3f", new / old }')
        printf "%-12s %-9s %9s%% %9s%% %8s\n" "$screen" "${renderer:-default}" "$old" "$new" \
            "${ratio:--}"
    done
done
