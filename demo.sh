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
# The examples that show their plot in a screen window: each runs in a window
# of an X server of its own for a second, then without a display, where it
# ends at once.
screen_examples=" screen_window "
# run_example LABEL FOLDER COMMAND...: runs an example in its output folder.
run_example() {
    local label=$1 folder=$2 stem=${1##*/}
    shift 2
    echo "== $label"
    if [[ $screen_examples == *" ${stem%.*} "* ]]; then
        (cd "$folder" && xvfb-run -a "$@" brief && DISPLAY= "$@")
    else
        (cd "$folder" && "$@")
    fi
}
for program in "${examples[@]}"; do
    run_example "${program##*/example_}" out "../$program"
done
scripts=()
for script in examples/python/*.py; do
    [ "${script##*/}" = example_page.py ] || scripts+=("$script")
done
for script in "${scripts[@]}"; do
    run_example "python/${script##*/}" out/python env \
        PYTHONPATH=../../build/python/module:../../examples/python /usr/bin/python3 "../../$script"
done
perl_scripts=(examples/perl/*.pl)
for script in "${perl_scripts[@]}"; do
    run_example "perl/${script##*/}" out/perl /usr/bin/perl -I../../build/perl/lib "../../$script"
done
echo "The gallery is in $(pwd)/out (${#examples[@]} C examples, ${#scripts[@]} Python examples," \
    "${#perl_scripts[@]} Perl examples)."
