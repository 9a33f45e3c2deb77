# shellcheck shell=bash
# Sourced by the build and test scripts: the locale of everything they start, and stages that
# say what the run is doing and count its tests.

# Wine turns file names and command lines into Windows text by the locale, and a minimal
# system sets none; C.UTF-8 is on every Debian 12 machine.
export LC_ALL=C.UTF-8

test_summary="$(realpath "$(dirname "${BASH_SOURCE[0]}")/../test_summary.sh")"

# stage NAME COMMAND...: one step of a run. Says when it starts and, with its time, when it
# ends, and in between at least every 30 s that it is still working.
stage() {
    local name=$1 start=$SECONDS status=0 ticker
    shift
    echo "== $name: started"
    tick "$name" &
    ticker=$!
    "$@" || status=$?
    kill "$ticker" 2>/dev/null || true
    wait "$ticker" 2>/dev/null || true
    if [ "$status" -eq 0 ]; then
        echo "== $name: done in $((SECONDS - start)) s"
    else
        echo "== $name: failed after $((SECONDS - start)) s"
    fi
    return "$status"
}

# The alive line of a stage; it also ends when the script does, should the stage not stop it.
tick() {
    local seconds=0
    while sleep 30 >/dev/null 2>&1 && kill -0 $$ 2>/dev/null; do
        seconds=$((seconds + 30))
        echo "$1: still working, $seconds s"
    done
}

# quiet COMMAND...: runs a command whose output is one line per compiler call, showing only
# the end of it when the command fails.
quiet() {
    local log status=0
    log="$(mktemp)"
    "$@" >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log"
        echo "(the whole output is in $log)"
    else
        rm -f "$log"
    fi
    return "$status"
}

# The test stages' results, for the whole run's summary at its end: the script that starts a
# run empties the folder, the scripts it calls add to it.
begin_run() {
    [ -z "${GB_RUNTIME_TEST_RESULTS:-}" ] || return 0
    export GB_RUNTIME_TEST_RESULTS="$PWD/build/test-results"
    rm -rf "$GB_RUNTIME_TEST_RESULTS"
    mkdir -p "$GB_RUNTIME_TEST_RESULTS"
    run_started_here=1
}

# test_stage NAME CTEST_ARGUMENTS...: ctest as the stage "NAME: test", its results kept under
# NAME, followed by the stage's counts. Run again with the same NAME, its results replace those
# of the tests it runs again.
test_stage() {
    local folder="$GB_RUNTIME_TEST_RESULTS/$1" runs status=0
    shift
    mkdir -p "$folder"
    runs=$(find "$folder" -name '*.xml' | wc -l)
    stage "$(basename "$folder"): test" ctest "$@" --output-junit "$folder/$((runs + 1)).xml" ||
        status=$?
    bash "$test_summary" stage "$folder"
    return "$status"
}

# The whole run's time and counts, from the script that began it.
end_run() {
    [ -n "${run_started_here:-}" ] || return 0
    echo "== the run took $((SECONDS / 60)) min $((SECONDS % 60)) s"
    bash "$test_summary" run "$GB_RUNTIME_TEST_RESULTS"/*/
}
