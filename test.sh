#!/usr/bin/env bash
# Installs what is missing, builds in build/, and runs every test through CTest;
# then the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer
# (build/asan), and the thread tests under ThreadSanitizer (build/tsan).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_npm_packages
# Twice as many tests as cores at once: many of them spend their time waiting
# for a window, a child process or an X server, not computing.
jobs=$(($(nproc) * 2))
# Every generator's source is installed above: a check of data/ that finds
# its source missing fails instead of being skipped.
export KAVLOR_GENERATOR_SOURCES=required

echo "== layout of the sources"
scripts/check_format.sh

echo "== tests"
configure_and_build build "${TEST_BUILD[@]}"
ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
configure_and_build build/asan "${TEST_BUILD[@]}" -DKAVLOR_SANITIZE=address
sanitized_ctest build/asan --no-tests=error -j "$jobs"

echo "== thread tests under ThreadSanitizer"
# Only the thread tests are built here, with what installing the prefix needs.
configure_and_build build/tsan "${TEST_BUILD[@]}" -DKAVLOR_SANITIZE=thread \
    --target kavlor_installables thread_tests e2e_threads_tests stream_compressor_tests
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build/tsan --output-on-failure --no-tests=error -j "$jobs" -L threads

echo "All tests passed."
