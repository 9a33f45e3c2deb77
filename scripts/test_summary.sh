#!/usr/bin/env bash
# Prints the passed, failed and skipped counts of test stages, and names every skipped test
# with its reason and every failed one. Each STAGE_FOLDER holds the JUnit files that
# `ctest --output-junit` wrote for one stage, read in name order: a later run of a test (the
# second chance of a failed one) replaces its earlier result. The folder's name names the
# stage. Usage: test_summary.sh stage STAGE_FOLDER | run STAGE_FOLDER...
#   stage: one stage's summary; run: the whole run's, each test named with its stage, ending
#   in a line that says whether every test passed or some were skipped.
set -euo pipefail
kind=$1
shift
title="all stages"
[ "$kind" = stage ] && title="$(basename "$1"): test"

for folder in "$@"; do
    for file in "$folder"/*.xml; do
        [ -f "$file" ] && printf '%s\t%s\n' "$(basename "$folder")" "$file"
    done
done | while IFS=$'\t' read -r stage file; do
    # One record per test: stage, name, outcome, reason, the latest file last.
    awk -v stage="$stage" '
        function attribute(line, key,    rest) {
            if (!match(line, key "=\"[^\"]*\"")) return ""
            rest = substr(line, RSTART + length(key) + 2, RLENGTH - length(key) - 3)
            return unescape(rest)
        }
        function unescape(text) {
            gsub(/&lt;/, "<", text); gsub(/&gt;/, ">", text); gsub(/&quot;/, "\"", text)
            gsub(/&apos;/, "\047", text); gsub(/&amp;/, "\\&", text)
            return text
        }
        # The reason of a skip: GoogleTest prints it after "file:line: Skipped"; a test that
        # exits with the skip code says it last; else what CTest recorded.
        function reason(    i, text, in_message) {
            for (i = 1; i <= count; i++) {
                if (output[i] ~ /^\[  SKIPPED \]/) in_message = 0
                if (in_message && output[i] != "") text = text (text == "" ? "" : " ") output[i]
                if (output[i] ~ /: Skipped$/) in_message = 1
            }
            if (text != "") return text
            for (i = count; i >= 1; i--)
                if (output[i] != "") return output[i]
            return skip_message
        }
        /<testcase / {
            name = attribute($0, "name"); status = attribute($0, "status")
            sub(/  # GetParam\(\) = .*/, "", name)
            skip_message = ""; count = 0; in_output = 0
        }
        /<skipped / { skip_message = attribute($0, "message") }
        in_output || /<system-out>/ {
            line = $0
            if (!in_output) { sub(/.*<system-out>/, "", line); in_output = 1 }
            if (sub(/<\/system-out>.*/, "", line)) in_output = 0
            if (in_output || line != "") output[++count] = unescape(line)
        }
        # Disabled tests are helpers that other tests start as child processes.
        /<\/testcase>/ && status != "disabled" {
            outcome = status == "run" ? "passed" : status == "fail" ? "failed" : "skipped"
            printf "%s\t%s\t%s\t%s\n", stage, name, outcome, outcome == "skipped" ? reason() : ""
        }
    ' "$file"
done | awk -F'\t' -v title="$title" -v run="$([ "$kind" = run ] && echo 1 || echo 0)" '
    # Later results of the same test in the same stage replace earlier ones.
    !(($1, $2) in outcome) { order[++tests] = $1 SUBSEP $2 }
    { outcome[$1, $2] = $3; reason[$1, $2] = $4 }
    END {
        for (i = 1; i <= tests; i++) counted[outcome[order[i]]]++
        printf "== %s: %d passed, %d failed, %d skipped\n", title, counted["passed"],
            counted["failed"], counted["skipped"]
        for (i = 1; i <= tests; i++) {
            split(order[i], key, SUBSEP)
            label = run ? "(" key[1] ") " key[2] : key[2]
            if (outcome[order[i]] == "skipped") printf "   skipped %s: %s\n", label, reason[order[i]]
            if (outcome[order[i]] == "failed") printf "   failed %s\n", label
        }
        if (!run) exit
        if (counted["failed"] > 0) printf "== %d tests failed\n", counted["failed"]
        else if (counted["skipped"] > 0)
            printf "== the %d tests that ran passed; %d skipped (named above)\n", counted["passed"],
                counted["skipped"]
        else printf "== all %d tests passed\n", counted["passed"]
    }
'
