#!/usr/bin/env bash
# Installs with apt-get what a fresh Debian 12 machine lacks, and is silent when everything is
# already there. Usage: setup.sh build|test [MORE_PACKAGES...]
#   build: what building and running the menu needs (scripts/run.sh);
#   test:  that, and what the tests, benchmarks and fuzzing add (scripts/test.sh).
# Further packages named as arguments are installed too.
set -euo pipefail

build_packages=(
    cmake ninja-build g++
    libsdl2-dev
)
test_packages=(
    googletest libgtest-dev libgmock-dev
    libbenchmark-dev
    clang libclang-rt-14-dev libfuzzer-14-dev
    iproute2
    avahi-daemon tcpdump
    xvfb xdotool xauth hyperfine
    make
)

set_name="${1:-}"
case "$set_name" in
build)
    packages=("${build_packages[@]}")
    reason="to build and run the menu"
    ;;
test)
    packages=("${build_packages[@]}" "${test_packages[@]}")
    reason="to build the menu and run its tests, benchmarks and fuzzing"
    ;;
*)
    echo "usage: $0 build|test [MORE_PACKAGES...]" >&2
    exit 2
    ;;
esac
shift
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]} with apt-get, $reason"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

# Another apt or dpkg (an automatic update, a second terminal) may hold the package lock for a
# while: wait for it, up to ten minutes, instead of failing.
lock_wait_seconds=600
apt_get() {
    local waited=0 log
    log="$(mktemp)"
    until $sudo apt-get "$@" 2>"$log"; do
        if ! grep -q "Could not get lock\|Unable to lock\|Unable to acquire" "$log"; then
            cat "$log" >&2
            rm -f "$log"
            return 1
        fi
        if [ "$waited" -ge "$lock_wait_seconds" ]; then
            cat "$log" >&2
            echo "setup: the package lock was still held after $lock_wait_seconds s; try again later" >&2
            rm -f "$log"
            return 1
        fi
        [ "$waited" -eq 0 ] &&
            echo "setup: another apt or dpkg holds the package lock; waiting for it to finish"
        sleep 5
        waited=$((waited + 5))
    done
    rm -f "$log"
}
# No package may start its service here: avahi-daemon would announce this machine on its real
# network. Debian asks policy-rc.d before starting any.
guard=""
if [ ! -e /usr/sbin/policy-rc.d ]; then
    guard=/usr/sbin/policy-rc.d
    printf '#!/bin/sh\nexit 101\n' | $sudo tee "$guard" >/dev/null
    $sudo chmod 755 "$guard"
    trap '$sudo rm -f "$guard"' EXIT
fi
apt_get update -qq
apt_get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
