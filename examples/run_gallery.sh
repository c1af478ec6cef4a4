#!/usr/bin/env bash
# Runs the example programs of a build, which write the gallery:
#
#   examples/run_gallery.sh BUILD OUT
#
# the C programs in OUT, the Python scripts (the same plots written from
# Python, and more) in OUT/python, the Perl scripts (the same plots, byte for
# byte) in OUT/perl. It prints one line per example with the files it wrote.
# An example that fails, or prints a warning or anything on standard error,
# has its output shown, and the exit status is then 1; otherwise the
# library's report on standard output is not shown.
set -uo pipefail
[ $# -eq 2 ] || { echo "usage: $0 BUILD OUT" >&2; exit 2; }
build=$(cd "$1" && pwd) || exit 2
mkdir -p "$2/python" "$2/perl" || exit 2
out=$(cd "$2" && pwd)
cd "$(dirname "$0")/.."
# The examples read map files (and fonts) from the build's data folder.
export KAVLOR=${KAVLOR:-$build/data}
failures=0

shopt -s nullglob
programs=("$build"/examples/example_*)
scripts=()
for script in examples/python/*.py; do
    [ "${script##*/}" = example_page.py ] || scripts+=("$script")
done
perl_scripts=(examples/perl/*.pl)

stamp=$(mktemp)
log=$(mktemp)
# The display the screen examples show on: the one given when it answers,
# else an X server of our own, ended with this script.
xvfb_pid=
finish() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
    rm -f "$stamp" "$log" "$log.err"
}
trap finish EXIT

# example LANGUAGE NAME: sets source to the example's source, folder to the
# language's output folder and command to what runs the example there.
example() {
    case $1 in
    c)
        source=examples/c/$2.c folder=$out
        command=("$build/examples/example_$2")
        ;;
    python)
        source=examples/python/$2.py folder=$out/python
        command=(env "PYTHONPATH=$build/python/module:$PWD/examples/python" /usr/bin/python3
                 "$PWD/$source")
        ;;
    perl)
        source=examples/perl/$2.pl folder=$out/perl
        command=(/usr/bin/perl "-I$build/perl/lib" "$PWD/$source")
        ;;
    esac
    touch "$stamp"
}

# run [ENV...]: runs the example's command in its folder, its output into the
# log; shows the log when the example failed, warned or wrote on standard
# error.
run() {
    local status=0
    (cd "$folder" && exec env "$@" timeout 600 "${command[@]}") > "$log" 2> "$log.err" || status=$?
    if [ $status -ne 0 ] || [ -s "$log.err" ] || grep -q '<<<< Warning\|>>>>' "$log"; then
        echo "$source failed (exit status $status) or warned:"
        cat "$log" "$log.err"
        failures=$((failures + 1))
    fi
    rm -f "$log.err"
}

# written [NOTE]: the line of the example: the files it wrote since it
# started, in its folder, or the note when there are none.
written() {
    local files=() file
    while IFS= read -r file; do files+=("${file##*/}"); done < <(
        find "$folder" -maxdepth 1 -type f -newer "$stamp" | LC_ALL=C sort)
    if [ ${#files[@]} -eq 0 ]; then
        printf '%-30s %s\n' "$source" "$1"
    else
        printf '%-30s %s\n' "$source" "${folder#"$PWD"/}/: ${files[*]}"
    fi
}

# The examples that write files; those that show a screen come after.
for language in c python perl; do
    case $language in
    c) names=("${programs[@]##*/example_}") ;;
    python) names=("${scripts[@]}") ;;
    perl) names=("${perl_scripts[@]}") ;;
    esac
    for name in "${names[@]}"; do
        name=${name##*/}
        name=${name%.*}
        case $name in screen_window | scale_dialog) continue ;; esac
        example $language "$name"
        run
        written "(no file)"
    done
done

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo > /dev/null 2>&1; then
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$number_file" 2> /dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.2; done
    export DISPLAY=:$(cat "$number_file")
    rm -f "$number_file"
fi

# photograph WINDOW FILE: the window's pixels into a PNG file once they have
# stayed the same four times in a row, 0.2 s apart (the draw widget shows its
# plot), or after ten seconds.
photograph() {
    local last= now same=0
    for _ in $(seq 50); do
        now=$(xwd -silent -id "$1" | xwdtopnm 2> /dev/null | sha256sum)
        if [ "$now" = "$last" ]; then same=$((same + 1)); else same=0; fi
        [ $same -ge 3 ] && break
        last=$now
        sleep 0.2
    done
    xwd -silent -id "$1" | xwdtopnm 2> /dev/null | pnmtopng > "$2"
}

for language in c python perl; do
    # The screen example: in a window for a second.
    example $language screen_window
    command+=(brief)
    run
    written "(shown in a window for a second)"

    # The dialog example: its window photographed into scale_dialog.png, then
    # its OK pressed (a watchdog ends it, should it hang).
    example $language scale_dialog
    (cd "$folder" && exec timeout 60 "${command[@]}") > "$log" 2>&1 &
    dialog_pid=$!
    dialog=$(timeout 20 xdotool search --sync --name '^Damped oscillation$' | head -n 1)
    if [ -n "$dialog" ]; then
        photograph "$dialog" "$folder/scale_dialog.png"
        ok=$(xwininfo -children -id "$dialog" | awk '/"OK"/ { print $1 }')
        xdotool mousemove --window "$ok" 10 5 click 1
    fi
    status=0
    wait "$dialog_pid" || status=$?
    if [ $status -ne 0 ] || grep -q '<<<< Warning\|>>>>' "$log"; then
        echo "$source failed (exit status $status) or warned:"
        cat "$log"
        failures=$((failures + 1))
    fi
    written "(no file)"
done

echo "The gallery is in $out (${#programs[@]} C examples, ${#scripts[@]} Python examples," \
    "${#perl_scripts[@]} Perl examples)."
[ $failures -eq 0 ]
