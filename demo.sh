#!/usr/bin/env bash
# Installs what is missing, builds in build/, and runs the example programs,
# which write their plots into out/.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
configure_and_build build

mkdir -p out
# The examples read map files (and fonts) from the build's data folder.
export KAVLOR=${KAVLOR:-$(pwd)/build/data}
shopt -s nullglob
examples=(build/examples/example_*)
for program in "${examples[@]}"; do
    echo "== ${program##*/example_}"
    (cd out && "../$program")
done
echo "The gallery is in $(pwd)/out (${#examples[@]} examples)."
