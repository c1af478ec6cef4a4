#!/usr/bin/env bash
# Prints the instructions that each of Kavlor's benchmark programs (bench/kavlor/*.c) executes on
# each case, counted by callgrind: steadier than times on a shared machine, so two versions of the
# code compare within a fraction of a percent.
#
#   scripts/instruction_counts.sh [CASE...] > before.txt     # CASE as in bench/run.sh: W1:pdf
#   ... change the code ...
#   scripts/instruction_counts.sh [CASE...] | paste before.txt - | awk '{print $1, $4 / $2}'
#
# Environment: KAVLOR_CHECKSUM_BUILD (build folder, configured with -DKAVLOR_BENCH=ON; default
# build/checksums, shared with output_checksums.sh), KVBENCH_DATA (the input data, written by
# bench/mkdata.py when missing; default /tmp/kvbench/data), KAVLOR_JOBS (parallel runs; default 4).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" python3-numpy valgrind >&2

build=${KAVLOR_CHECKSUM_BUILD:-$root/build/checksums}
export KVBENCH_DATA=${KVBENCH_DATA:-/tmp/kvbench/data}
jobs=${KAVLOR_JOBS:-4}
cases=("$@")
[ ${#cases[@]} -gt 0 ] || cases=(W0:png W0:pdf W1:ps W1:pdf W1:svg W1:png W2:pdf W2:ps W3:pdf W3:png
                                 W4:png W4:pdf W5:ps W6:pdf W6:png W7:pdf W7:png)

# Counted at RelWithDebInfo, as every recorded count was; the tests are not built.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVLOR_BUILD_TESTS=OFF -DKAVLOR_BENCH=ON \
    > /dev/null
cmake --build "$build" -j "$jobs" --target kavlor_bench shorelines > /dev/null
export KAVLOR=$build/data # W7 reads its shoreline file from there
stamp=$(sha256sum < bench/mkdata.py)
if [ "$(cat "$KVBENCH_DATA/.mkdata" 2> /dev/null)" != "$stamp" ]; then
    /usr/bin/python3 bench/mkdata.py "$KVBENCH_DATA" >&2
    echo "$stamp" > "$KVBENCH_DATA/.mkdata"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
count() {
    local w=${1%:*} format=${1#*:}
    valgrind --tool=callgrind --callgrind-out-file=/dev/null \
        "$build/bench/kavlor_${w,}" "$w" "$format" "$work/$w.$format" > /dev/null 2> "$work/$w-$format.log"
    echo "$1 $(sed -n 's/.*Collected : //p' "$work/$w-$format.log")"
}
export -f count
export build work
printf '%s\n' "${cases[@]}" | xargs -P "$jobs" -I{} bash -c 'count {}' | sort -V
