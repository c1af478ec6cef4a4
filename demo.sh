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
scripts=()
for script in examples/python/*.py; do
    [ "${script##*/}" = example_page.py ] || scripts+=("$script")
done
perl_scripts=(examples/perl/*.pl)

# example LANGUAGE NAME: sets folder to the language's output folder and
# command to what runs the example there.
example() {
    case $1 in
    c) folder=out command=("../build/examples/example_$2") ;;
    python)
        folder=out/python
        command=(env PYTHONPATH=../../build/python/module:../../examples/python /usr/bin/python3
                 "../../examples/python/$2.py")
        ;;
    perl) folder=out/perl command=(/usr/bin/perl -I../../build/perl/lib "../../examples/perl/$2.pl") ;;
    esac
    echo "== ${folder#out}/$2" | sed 's|^== /|== |'
}

# The examples that write files; those that show a screen come after.
run_file_example() {
    case $2 in screen_window | scale_dialog) return ;; esac
    example "$@"
    (cd "$folder" && "${command[@]}")
}
for program in "${examples[@]}"; do run_file_example c "${program##*/example_}"; done
for script in "${scripts[@]}"; do run_file_example python "$(basename "$script" .py)"; done
for script in "${perl_scripts[@]}"; do run_file_example perl "$(basename "$script" .pl)"; done

# The display the screen examples show on: the one given when it answers,
# else an X server of our own, ended with this script.
xvfb_pid=
end_own_display() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null || true; }
trap end_own_display EXIT
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo > /dev/null 2>&1; then
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$number_file" 2> /dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.2; done
    export DISPLAY=:$(cat "$number_file")
    rm -f "$number_file"
fi

for language in c python perl; do
    # The screen example: in a window for a second, then without a display,
    # where it ends at once.
    example $language screen_window
    (cd "$folder" && "${command[@]}" brief && DISPLAY= "${command[@]}")

    # The dialog example: its window photographed into scale_dialog.png, then
    # its OK pressed (a watchdog ends it, should it hang); then without a
    # display, where it ends at once.
    example $language scale_dialog
    (cd "$folder" && exec timeout 60 "${command[@]}") &
    dialog_pid=$!
    dialog=$(timeout 20 xdotool search --sync --name '^Damped oscillation$' | head -n 1)
    sleep 0.5 # the draw widget shows its plot
    xwd -silent -id "$dialog" | xwdtopnm 2> /dev/null | pnmtopng > "$folder/scale_dialog.png"
    ok=$(xwininfo -children -id "$dialog" | awk '/"OK"/ { print $1 }')
    xdotool mousemove --window "$ok" 10 5 click 1
    wait "$dialog_pid"
    (cd "$folder" && DISPLAY= "${command[@]}" 2> /dev/null)
done
echo "The dialog is photographed in out/scale_dialog.png (and out/python/, out/perl/)."
echo "The gallery is in $(pwd)/out (${#examples[@]} C examples, ${#scripts[@]} Python examples," \
    "${#perl_scripts[@]} Perl examples)."
