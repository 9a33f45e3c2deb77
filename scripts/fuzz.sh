#!/usr/bin/env bash
# Builds the libFuzzer targets, replays each committed corpus, then fuzzes each target for
# the given number of seconds (default 30). New inputs go to a scratch copy of the corpus,
# so the committed seeds stay small. Any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in build/fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=${target##*/fuzz_}
    seeds=fuzz/corpus/$name
    mkdir -p "$scratch/$name"
    echo "== fuzz $name: replay and ${seconds}s"
    if [ -d "$seeds" ]; then
        "$target" -runs=0 "$seeds" 2>"$scratch/$name.log" || { cat "$scratch/$name.log"; exit 1; }
        cp -r "$seeds/." "$scratch/$name/"
    fi
    "$target" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="$scratch/" \
        "$scratch/$name" 2>"$scratch/$name.log" || {
        tail -n 60 "$scratch/$name.log"
        echo "fuzz $name: finding kept in $scratch is lost when this run ends; reproduce with the input above"
        exit 1
    }
done
