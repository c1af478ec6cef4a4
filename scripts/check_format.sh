#!/usr/bin/env bash
# Checks that every C and C++ source is laid out as .clang-format says, and
# names the files that are not. The generated font tables of kernel/fontdata/
# keep their generator's layout. With --fix, reformats instead.
set -euo pipefail
cd "$(dirname "$0")/.."
sources() { git ls-files -z '*.cpp' '*.h' '*.c' | grep -zv '^kernel/fontdata/'; }
if [ "${1:-}" = "--fix" ]; then
    sources | xargs -0 -P "$(nproc)" -n 16 clang-format -i
    exit 0
fi
if ! report=$(sources | xargs -0 -P "$(nproc)" -n 16 clang-format --dry-run --Werror 2>&1); then
    echo "Not laid out as .clang-format says (scripts/check_format.sh --fix mends it):"
    printf '%s\n' "$report" | grep -oE '^[^:]+:[0-9]+:[0-9]+: error' | cut -d: -f1 | sort -u |
        sed 's/^/  /'
    exit 1
fi
