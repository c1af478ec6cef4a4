#!/usr/bin/env bash
# Prints a checksum of every file the library writes for the gallery (the example programs that
# ./demo.sh runs) and for Kavlor's benchmark programs (bench/kavlor/*.c, every workload in every
# format it is measured in), dates and times masked. Two runs on two versions of the code compare
# with diff: a change that must not alter any output shows no line.
#
#   scripts/output_checksums.sh > before.txt
#   ... change the code ...
#   scripts/output_checksums.sh | diff before.txt -
#
# Environment: KAVLOR_CHECKSUM_BUILD (build folder, configured with -DKAVLOR_BENCH=ON; default
# build/checksums), KAVLOR_CHECKSUM_WORK (where the programs write; default a temporary folder,
# removed at the end), KVBENCH_DATA (the benchmarks' input data, written by bench/mkdata.py when
# missing; default /tmp/kvbench/data, as bench/run.sh), KAVLOR_JOBS (build jobs; default 4).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" python3-numpy >&2

build=${KAVLOR_CHECKSUM_BUILD:-$root/build/checksums}
export KVBENCH_DATA=${KVBENCH_DATA:-/tmp/kvbench/data}
if [ -n "${KAVLOR_CHECKSUM_WORK:-}" ]; then
    work=$KAVLOR_CHECKSUM_WORK
    mkdir -p "$work"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi

# The workloads and their formats, as bench/run.sh measures them.
CASES=(W0:png W0:pdf W1:ps W1:pdf W1:svg W1:png W2:pdf W2:ps W3:pdf W3:png W4:png W4:pdf W5:ps
       W6:pdf W6:png W7:pdf W7:png)

cmake -S . -B "$build" -DKAVLOR_BUILD_TESTS=OFF -DKAVLOR_BENCH=ON > /dev/null
cmake --build "$build" -j "${KAVLOR_JOBS:-4}" --target kavlor_bench shorelines \
    $(cd examples/c && for f in *.c; do echo "example_${f%.c}"; done) > /dev/null

stamp=$(sha256sum < bench/mkdata.py)
if [ "$(cat "$KVBENCH_DATA/.mkdata" 2> /dev/null)" != "$stamp" ]; then
    /usr/bin/python3 bench/mkdata.py "$KVBENCH_DATA" >&2
    echo "$stamp" > "$KVBENCH_DATA/.mkdata"
fi

# The map files (the gallery's maps, W7's coastlines) come from the build's data folder, as
# demo.sh and bench/run.sh have them.
export KAVLOR=$build/data

# The gallery: each example in a folder of its own, its protocol on stdout kept beside its files.
for program in "$build"/examples/example_*; do
    name=${program##*/example_}
    mkdir -p "$work/gallery/$name"
    (cd "$work/gallery/$name" && "$program" > stdout.txt 2>&1)
done

# The benchmarks: every case into one file, named relative to the folder (the protocol shows it).
mkdir -p "$work/bench"
for case in "${CASES[@]}"; do
    w=${case%:*} format=${case#*:}
    program=$build/bench/kavlor_${w,}
    [ -x "$program" ] || continue
    (cd "$work/bench" && "$program" "$w" "$format" "$w.$format" > "$w-$format.stdout" 2>&1)
done

# Dates and times as the library writes them (dd.mm.yyyy, hh:mm:ss, PDF's D:yyyymmddhhmmss, the
# CGM description's Date:yyyymmdd) are masked with texts of the same length.
cd "$work"
find gallery bench -type f | LC_ALL=C sort | while read -r file; do
    sum=$(perl -0777 -pe 's/\d\d\.\d\d\.\d{4}/DD.MM.YYYY/g; s/\d\d:\d\d:\d\d/HH:MM:SS/g;
                          s/D:\d{14}/D:YYYYMMDDhhmmss/g; s/Date:\d{8}/Date:YYYYMMDD/g' "$file" |
          sha256sum)
    echo "${sum%% *}  $file"
done
