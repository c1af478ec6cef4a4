#!/usr/bin/env bash
# Installs what is missing, builds in build/, and runs the example programs,
# which write their plots into out/: the C programs there, the Python scripts
# (the same plots written from Python, and more) in out/python/, the Perl
# scripts (the same plots, byte for byte) in out/perl/.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${DEMO_PACKAGES[@]}"
configure_and_build build

mkdir -p out/python out/perl
# The examples read map files (and fonts) from the build's data folder.
export KAVLOR=${KAVLOR:-$(pwd)/build/data}
shopt -s nullglob
examples=(build/examples/example_*)
for program in "${examples[@]}"; do
    [ "${program##*/}" = example_screen_window ] && continue
    echo "== ${program##*/example_}"
    (cd out && "../$program")
done
# The screen example: in a window of an X server of its own for a second,
# then without a display, where it ends at once.
echo "== screen_window"
(cd out && xvfb-run -a ../build/examples/example_screen_window brief &&
    DISPLAY= ../build/examples/example_screen_window)
scripts=()
for script in examples/python/*.py; do
    [ "${script##*/}" = example_page.py ] || scripts+=("$script")
done
for script in "${scripts[@]}"; do
    echo "== python/${script##*/}"
    (cd out/python && PYTHONPATH=../../build/python/module:../../examples/python \
        /usr/bin/python3 "../../$script")
done
perl_scripts=(examples/perl/*.pl)
for script in "${perl_scripts[@]}"; do
    echo "== perl/${script##*/}"
    (cd out/perl && /usr/bin/perl -I../../build/perl/lib "../../$script")
done
echo "The gallery is in $(pwd)/out (${#examples[@]} C examples, ${#scripts[@]} Python examples," \
    "${#perl_scripts[@]} Perl examples)."
