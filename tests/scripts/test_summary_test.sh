#!/usr/bin/env bash
# The test run's summaries on recorded results: a skip named with GoogleTest's reason and one
# with a skipped script's last line, a failure that passed when run once more, and the whole
# run's counts, without the disabled helper tests, and a last line that does not call a run
# with skips all passed.
set -euo pipefail
here="$(dirname "$0")"
summary="$here/../../scripts/test_summary.sh"

expect() {
    local actual
    actual=$(bash "$summary" "$@")
    if [ "$actual" != "$(cat)" ]; then
        printf 'test_summary.sh %s printed:\n%s\n' "$*" "$actual"
        exit 1
    fi
}

expect stage "$here/results/windows" <<'TEXT'
== windows: test: 2 passed, 0 failed, 1 skipped
   skipped WindowsProgram.AgreesWithTheLinuxProgram: skipped: no Linux build of the menu at build/default/gb_runtime_menu & <none>
TEXT

expect run "$here/results/default" "$here/results/windows" <<'TEXT'
== all stages: 4 passed, 0 failed, 2 skipped
   skipped (default) LanNamespace.AnswersAQuery: skipped, network namespaces unavailable: needs root for network namespaces
   skipped (windows) WindowsProgram.AgreesWithTheLinuxProgram: skipped: no Linux build of the menu at build/default/gb_runtime_menu & <none>
== the 4 tests that ran passed; 2 skipped (named above)
TEXT
