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

source "$(dirname "$0")/lib/apt.sh"
if ! find_root; then
    echo "setup: missing ${missing[*]}; install them as root with:" \
        "bash $(realpath "$0") $set_name${*:+ $*}" >&2
    exit 1
fi
echo "setup: installing ${missing[*]} with apt-get, $reason"
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
# Nor may it start later, at the next boot or on a request to its socket: avahi-daemon brought
# here for the tests stays masked (the links to /dev/null that systemctl mask makes, written
# directly since systemd may not be running). The tests start their own copies.
if [[ " ${missing[*]} " == *" avahi-daemon "* ]]; then
    $sudo mkdir -p /etc/systemd/system
    for unit in avahi-daemon.service avahi-daemon.socket; do
        $sudo ln -sfn /dev/null "/etc/systemd/system/$unit"
    done
    [ ! -d /run/systemd/system ] || $sudo systemctl daemon-reload
    echo "setup: avahi-daemon.service and avahi-daemon.socket are masked" \
        "(systemctl unmask avahi-daemon.service avahi-daemon.socket undoes it)"
fi
apt_get update -qq
apt_get install -y -qq --no-install-recommends "${missing[@]}"
