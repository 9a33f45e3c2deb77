#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building, testing and fuzzing, and the
# further packages named as arguments. Idempotent and silent when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libsdl2-dev
    googletest libgtest-dev libgmock-dev
    libbenchmark-dev
    clang libclang-rt-14-dev libfuzzer-14-dev
    iproute2
    avahi-daemon tcpdump
    xvfb xdotool xauth hyperfine
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# No package may start its service here: avahi-daemon would announce this machine on its real
# network. Debian asks policy-rc.d before starting any.
guard=""
if [ ! -e /usr/sbin/policy-rc.d ]; then
    guard=/usr/sbin/policy-rc.d
    printf '#!/bin/sh\nexit 101\n' | $sudo tee "$guard" >/dev/null
    $sudo chmod 755 "$guard"
    trap '$sudo rm -f "$guard"' EXIT
fi
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
