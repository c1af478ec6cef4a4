#!/usr/bin/env bash
# Runs the tests that start X servers, drive windows and start programs (the
# labels screen, widgets, setup, python and perl) of the AddressSanitizer build
# several rounds in a row while busy loops keep every core loaded, and reports
# every failure with its log. Not part of ./test.sh: a test that fails here
# now and then has a race to find.
#
#   scripts/stress_screen_tests.sh [-n ROUNDS] [-b BUSY_LOOPS] [-j JOBS]
#                                  [-d BUILD_DIR] [-R REGEX] [--no-build]
#
#   -n ROUNDS      rounds of the whole selection (default 3)
#   -b BUSY_LOOPS  busy loops beside the tests (default: as many as cores)
#   -j JOBS        tests CTest runs at once (default: as many as cores)
#   -d BUILD_DIR   the sanitizer build (default build/asan, built first
#                  unless --no-build)
#   -R REGEX       only the tests of those labels whose name matches
#
# The logs of every round stay in BUILD_DIR/stress/ (round-N.log: CTest's
# log of every test of the round). The exit status is 0 when no round had a
# failure.
set -uo pipefail
cd "$(dirname "$0")/.."

rounds=3 busy=$(nproc) jobs=$(nproc) dir=build/asan build=yes regex=
while [ $# -gt 0 ]; do
    case $1 in
    -n) rounds=$2; shift 2 ;;
    -b) busy=$2; shift 2 ;;
    -j) jobs=$2; shift 2 ;;
    -d) dir=$2; shift 2 ;;
    -R) regex=$2; shift 2 ;;
    --no-build) build=no; shift ;;
    *) sed -n '2,20p' "$0" >&2; exit 2 ;;
    esac
done

. scripts/packages.sh
if [ $build = yes ]; then
    configure_and_build "$dir" "${TEST_BUILD[@]}" -DKAVLOR_SANITIZE=address || exit 1
fi

logs=$dir/stress
rm -rf "$logs"
mkdir -p "$logs"

loops=()
stop_loops() {
    local pid
    for pid in "${loops[@]}"; do kill "$pid" 2> /dev/null; done
    for pid in "${loops[@]}"; do wait "$pid" 2> /dev/null; done
    loops=()
}
trap stop_loops EXIT
trap 'exit 130' INT TERM
for _ in $(seq "$busy"); do
    sh -c 'while :; do :; done' &
    loops+=($!)
done

load() { cut -d' ' -f1-3 /proc/loadavg; }
echo "== $rounds rounds of the labels screen widgets setup python perl in $dir"
echo "== $(nproc) cores, $busy busy loops, $jobs tests at once; load average $(load)"

selection=(-L '^(screen|widgets|setup|python|perl)$')
[ -n "$regex" ] && selection+=(-R "$regex")
failed_rounds=0 failures=0
summary=()
for round in $(seq "$rounds"); do
    start=$SECONDS
    sanitized_ctest "$dir" --no-tests=error -j "$jobs" "${selection[@]}" \
        > "$logs/round-$round.out" 2>&1
    status=$?
    cp "$dir/Testing/Temporary/LastTest.log" "$logs/round-$round.log" 2> /dev/null
    # CTest's summary names each failed test: "  12 - name (Failed)".
    names=$(sed -n '/^The following tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \(.*\) (.*$/\1/p' \
        "$logs/round-$round.out")
    line="round $round: $((SECONDS - start)) s, load average $(load)"
    if [ $status -eq 0 ]; then
        echo "$line, no failure"
        continue
    fi
    failed_rounds=$((failed_rounds + 1))
    echo "$line, FAILED:"
    if [ -z "$names" ]; then
        # No test named: CTest itself failed.
        failures=$((failures + 1))
        summary+=("round $round: CTest ended with status $status")
        tail -n 40 "$logs/round-$round.out"
        continue
    fi
    while IFS= read -r name; do
        failures=$((failures + 1))
        summary+=("round $round: $name")
        echo "---- $name (round $round) ----"
        # The test's part of the round's log: from its "Testing:" line to the
        # line that says how it ended.
        awk -v name="$name" '
            $0 ~ "^[0-9]+/[0-9]+ Testing: " && substr($0, index($0, ": ") + 2) == name { show = 1 }
            show { print }
            show && /^Test (Passed|Failed)|^"[^"]*" end time:/ { exit }' \
            "$logs/round-$round.log"
    done <<< "$names"
done

echo "== $rounds rounds, $(nproc) cores, $busy busy loops: $failures failures in $failed_rounds rounds; load average $(load)"
for line in "${summary[@]}"; do echo "   $line"; done
echo "== logs in $logs"
[ $failed_rounds -eq 0 ]
