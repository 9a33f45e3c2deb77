#!/usr/bin/env bash
# CPU use of the interactive menu sitting idle in a real window for ten seconds, on a private
# Xvfb screen. Prints the process's user and system time over that span.
# Usage: bash bench/idle_cpu.sh [BUILD_FOLDER] [SECONDS]   (default: build/default, 10)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build/default}")"
seconds="${2:-10}"
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

# Xvfb picks a free display number and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    grep -q . "$work/display" 2>/dev/null && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"

GB_RUNTIME_PACKAGE_ROOT="$build" SDL_VIDEODRIVER=x11 "$menu" 2>"$work/menu.log" &
menu_pid=$!
pids+=("$menu_pid")
sleep 2 # past start-up and the first frames

ticks() { awk '{ print $14 + $15 }' "/proc/$menu_pid/stat"; }
hertz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$seconds"
after=$(ticks)
awk -v t=$((after - before)) -v hz="$hertz" -v s="$seconds" 'BEGIN {
    printf "idle menu: %.2f s of CPU in %d s = %.2f %% of one core\n", t / hz, s, 100 * t / hz / s
}'
