#!/usr/bin/env bash
# Builds the libFuzzer targets, replays each committed corpus, then fuzzes each target for
# the given number of seconds (default 30). New inputs go to a scratch copy of the corpus,
# so the committed seeds stay small. Any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/stages.sh

seconds=${1:-30}
stage "fuzz: configure" quiet cmake --preset fuzz
stage "fuzz: build" quiet cmake --build --preset fuzz -j "$(nproc)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# fuzz_target TARGET: the corpus replay and the bounded run of one target.
fuzz_target() {
    local target=$1 name=${1##*/fuzz_}
    local seeds=fuzz/corpus/$name
    mkdir -p "$scratch/$name" || return 1
    if [ -d "$seeds" ]; then
        "$target" -runs=0 "$seeds" 2>"$scratch/$name.log" || { cat "$scratch/$name.log"; return 1; }
        cp -r "$seeds/." "$scratch/$name/" || return 1
    fi
    "$target" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="$scratch/" \
        "$scratch/$name" 2>"$scratch/$name.log" || {
        tail -n 60 "$scratch/$name.log"
        echo "fuzz $name: finding kept in $scratch is lost when this run ends; reproduce with the input above"
        return 1
    }
}
for target in build/fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    stage "fuzz ${target##*/fuzz_}: replay and ${seconds} s" fuzz_target "$target"
done
