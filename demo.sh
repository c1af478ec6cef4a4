#!/usr/bin/env bash
# Installs what is missing, builds in build/ the library, the Python and Perl
# modules, the setup program and the examples (not the tests: ./test.sh builds
# them), and runs the examples, which write their plots into out/: the C
# programs there, the Python scripts (the same plots written from Python, and
# more) in out/python/, the Perl scripts (the same plots, byte for byte) in
# out/perl/ (examples/run_gallery.sh).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${DEMO_PACKAGES[@]}"

mkdir -p build
echo "Building the library, the modules, the setup program and the examples in build/" \
    "(the log: build/demo-build.log)."
if ! configure_and_build build -DKAVLOR_BUILD_TESTS=OFF > build/demo-build.log 2>&1; then
    tail -n 30 build/demo-build.log
    echo "The build failed; build/demo-build.log holds its whole log." >&2
    exit 1
fi
examples/run_gallery.sh build out
