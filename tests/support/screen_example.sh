#!/usr/bin/env bash
# Runs a screen example of the gallery on an X server of its own and writes
# what its windows show, so that the C program and its twins in Python and
# Perl can be compared pixel for pixel:
#
#   screen_example.sh NAME OUT_DIR [--like DIR] COMMAND...
#
# screen_window  the window while it waits for the user (OUT_DIR/1.ppm), then
#                RETURN ends the wait
# scale_dialog   the dialog with its first plot (1.ppm); a click into the
#                scale's trough, whose callback draws the plot again (2.ppm);
#                then OK
#
# A picture is taken once the window has shown the same pixels for a second;
# with --like, once it shows the picture of the same name in DIR (the twin's
# pictures are taken like the C program's, however slowly either draws), or
# the last picture when it never does. The program runs in OUT_DIR, its
# standard output goes to OUT_DIR/stdout. Every wait has a watchdog; the exit
# status is the program's, or 1 when a window did not come, did not settle
# or did not show the picture of DIR.
set -uo pipefail
name=$1 out=$2 like=
shift 2
[ "${1:-}" = --like ] && { like=$2; shift 2; }
seconds=60

number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -r 3> "$number_file" 2> /dev/null &
server=$!
program=
finish() {
    [ -n "$program" ] && kill -KILL "$program" 2> /dev/null
    kill "$server" 2> /dev/null
    rm -f "$number_file"
}
trap finish EXIT
for _ in $(seq 150); do [ -s "$number_file" ] && break; sleep 0.2; done
[ -s "$number_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$number_file")

(cd "$out" && exec timeout $seconds "$@" > stdout) &
program=$!

fail() {
    echo "$name: $*" >&2
    exit 1
}
# The first shown window whose name matches, waiting for it.
window() { timeout $seconds xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# The first child window of the class.
child() { xwininfo -children -id "$1" | awk -v c="(\"$2\"" 'index($0, c) { print $1; exit }'; }
capture() { xwd -silent -id "$1" | xwdtopnm 2> /dev/null; }
# Writes FILE once the window shows what it should: the picture of the same
# name in the folder of --like, or else the same pixels five times in a row,
# 0.2 s apart, that differ from those of NOT (a file, or nothing).
settled() {
    local id=$1 file=$2 not=${3:-/dev/null} same=0 deadline=$((SECONDS + seconds))
    while [ $SECONDS -lt $deadline ]; do
        capture "$id" > "$file.new"
        if [ -n "$like" ]; then
            cmp -s "$file.new" "$like/${file##*/}" && same=4
        elif cmp -s "$file.new" "$file.last" && ! cmp -s "$file.new" "$not"; then
            same=$((same + 1))
        else
            same=0
        fi
        mv "$file.new" "$file.last"
        if [ $same -ge 4 ]; then
            mv "$file.last" "$file"
            return 0
        fi
        sleep 0.2
    done
    mv "$file.last" "$file"
    fail "the window did not show ${like:+the picture of $like, }${file##*/}"
}

case $name in
screen_window)
    id=$(window '^KAVLOR 1 / Click MB2 or RETURN')
    [ -n "$id" ] || fail "no window waits"
    settled "$id" "$out/1.ppm"
    xdotool mousemove --window "$id" 30 30 key Return
    ;;
scale_dialog)
    id=$(window '^Damped oscillation$')
    [ -n "$id" ] || fail "no dialog"
    settled "$id" "$out/1.ppm"
    bar=$(child "$id" scrollbar)
    [ -n "$bar" ] || fail "no scale"
    read -r width height < <(xwininfo -id "$bar" | awk '/Width:/ { w = $2 } /Height:/ { print w, $2 }')
    xdotool mousemove --window "$bar" $((width - height - 4)) $((height / 2)) click 1
    settled "$id" "$out/2.ppm" "$out/1.ppm"
    xdotool mousemove --window "$(child "$id" button)" 10 5 click 1
    ;;
*) fail "not a screen example" ;;
esac
wait "$program"
status=$?
program=
exit $status
