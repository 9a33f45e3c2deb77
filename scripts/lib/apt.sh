# shellcheck shell=bash
# Sourced by the scripts that change the machine's packages: running as root, and apt-get that
# waits while another apt or dpkg holds the package lock.

# Sets sudo to what runs a command as root: nothing for root, sudo where it works without a
# password prompt (so that CI never hangs on one). Fails when neither.
find_root() {
    sudo=""
    [ "$(id -u)" -eq 0 ] && return 0
    command -v sudo >/dev/null && sudo -n true 2>/dev/null || return 1
    sudo=sudo
}

# Names what holds the package lock: each process with a lock file open (only root sees
# other users' files) or else every apt, dpkg or updater that runs.
lock_holders() {
    local process holders
    holders=$(find /proc/[0-9]*/fd -maxdepth 1 \( -lname '/var/lib/dpkg/lock*' -o \
        -lname /var/lib/apt/lists/lock -o -lname /var/cache/apt/archives/lock \) \
        -printf '%h\n' 2>/dev/null | sed 's,/fd$,,' | sort -u)
    if [ -z "$holders" ]; then
        holders=$(grep -lxE 'apt|apt-get|aptitude|dpkg|unattended-upgr|packagekitd|synaptic' \
            /proc/[0-9]*/comm 2>/dev/null | sed 's,/comm$,,')
    fi
    [ -n "$holders" ] || { echo "nothing that this user can see"; return; }
    for process in $holders; do
        printf '%s (%s) ' "${process#/proc/}" "$(tr '\0' ' ' 2>/dev/null <"$process/cmdline")"
    done
    echo
}

# apt-get with its output kept back, waiting up to ten minutes, and saying so every 30 s,
# while another apt or dpkg (an automatic update, a second terminal) holds the package lock.
apt_get() {
    local start=$SECONDS next_report=0 log
    log="$(mktemp)"
    until $sudo apt-get "$@" >/dev/null 2>"$log"; do
        if ! grep -q "Could not get lock\|Unable to lock\|Unable to acquire" "$log" ||
            [ $((SECONDS - start)) -ge 600 ]; then
            cat "$log" >&2
            rm -f "$log"
            [ $((SECONDS - start)) -lt 600 ] ||
                echo "setup: the package lock was still held after 600 s; try again later" >&2
            return 1
        fi
        if [ $((SECONDS - start)) -ge "$next_report" ]; then
            echo "setup: waiting for the package lock ($((SECONDS - start)) s), held by: $(lock_holders)"
            next_report=$((next_report + 30))
        fi
        sleep 5
    done
    rm -f "$log"
}
