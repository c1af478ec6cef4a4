#!/usr/bin/env bash
# Fuzzes the image decoders and the other readers of outside data with clang's
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, each target
# starting from its kept inputs in tests/devices/fuzz_corpus/. Not part of
# ./test.sh: the unit tests replay every kept input (label raster), so a fault
# once found stays caught without fuzzing; this looks for new ones.
#
#   scripts/fuzz.sh [-t SECONDS] [-d BUILD_DIR] [TARGET...]
#
#   -t SECONDS    how long each target runs (default 60)
#   -d BUILD_DIR  where the targets are built (default build/fuzz)
#   TARGET        bmp gif tiff cgm gksl bitmap bdf registry unit_file
#                 colour_table include (default: all of them)
#
# New inputs a target finds go into BUILD_DIR/found_TARGET, an input that
# crashes it into BUILD_DIR/crash_TARGET-*, its log into
# BUILD_DIR/fuzz_TARGET.log. Keep the inputs worth keeping in the corpus, with
# the test that shows the fault. The exit status is 0 when no target crashed.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=60 dir=build/fuzz
while [ $# -gt 0 ]; do
    case $1 in
    -t) seconds=$2; shift 2 ;;
    -d) dir=$2; shift 2 ;;
    -*) sed -n '2,19p' "$0" >&2; exit 2 ;;
    *) break ;;
    esac
done
targets=("$@")
[ ${#targets[@]} -eq 0 ] &&
    targets=(bmp gif tiff cgm gksl bitmap bdf registry unit_file colour_table include)

. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" || exit 1
cmake -S tests/devices/fuzz -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ > /dev/null || exit 1
cmake --build "$dir" -j "$(nproc)" --target "${targets[@]/#/fuzz_}" || exit 1

crashed=()
for target in "${targets[@]}"; do
    found=$dir/found_$target
    mkdir -p "$found"
    log=$dir/fuzz_$target.log
    echo "== fuzz_$target, $seconds s (log: $log)"
    if "$dir/fuzz_$target" -max_total_time="$seconds" -max_len=2048 -rss_limit_mb=2048 \
        -artifact_prefix="$dir/crash_$target-" "$found" "tests/devices/fuzz_corpus/$target" \
        > "$log" 2>&1; then
        tail -n 1 "$log"
    else
        tail -n 40 "$log"
        crashed+=("$target")
    fi
done
if [ ${#crashed[@]} -gt 0 ]; then
    echo "== crashes: ${crashed[*]} (inputs in $dir/crash_*)"
    exit 1
fi
echo "== no crash"
