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
# A picture is taken once the program waits for input (it sleeps in poll, as
# a message loop with nothing left to do does) and the window shows the same
# pixels twice in a row (for 2.ppm, other pixels than those of 1.ppm); with
# --like, once the window shows the picture of the same name in DIR (the
# twin's pictures are taken like the C program's, however slowly either
# draws). The program runs in OUT_DIR, its standard output goes to
# OUT_DIR/stdout. Every wait has a watchdog, scaled as the other tests' waits
# are (KAVLOR_TEST_TIME_FACTOR, and the build's KAVLOR_TEST_BUILD_TIME_FACTOR);
# the exit status is the program's, or 1 when a window did not come, did not
# settle or did not show the picture of DIR.
set -uo pipefail
name=$1 out=$2 like=
shift 2
[ "${1:-}" = --like ] && { like=$2; shift 2; }

# Seconds of a plain build on an idle machine, for this build and machine.
scaled() {
    awk -v s="$1" -v b="${KAVLOR_TEST_BUILD_TIME_FACTOR:-1}" -v m="${KAVLOR_TEST_TIME_FACTOR:-1}" \
        'BEGIN { b += 0; m += 0; if (!(b > 0)) b = 1; if (!(m > 0)) m = 1; t = s * b * m;
                 print ((t == int(t)) ? t : int(t) + 1) }'
}
seconds=$(scaled 60)

# An interpreter under AddressSanitizer preloads the sanitizer's runtime: the
# program keeps it, the tools below run without it (a tool not built with it
# was seen to wait on one of its locks for ever).
program_preload=${LD_PRELOAD-}
unset LD_PRELOAD

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
fail() {
    echo "$name: $*" >&2
    exit 1
}
# Xvfb writes its display number once it listens.
deadline=$((SECONDS + $(scaled 30)))
until [ -s "$number_file" ]; do
    [ $SECONDS -lt $deadline ] && kill -0 "$server" 2> /dev/null || fail "Xvfb did not start"
    sleep 0.05
done
export DISPLAY=:$(cat "$number_file")

(cd "$out" && LD_PRELOAD=$program_preload exec timeout "$seconds" "$@" > stdout) &
program=$!

# The first shown window whose name matches, waiting for it.
window() { timeout "$seconds" xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# The first child window of the class.
child() { xwininfo -children -id "$1" | awk -v c="(\"$2\"" 'index($0, c) { print $1; exit }'; }
capture() { xwd -silent -id "$1" | xwdtopnm 2> /dev/null; }
# True while the program waits for input: each thread of the program that
# timeout runs sleeps in poll (system calls 7 and 271 on x86_64).
waiting() {
    local pid task call found=no
    for pid in $(pgrep -P "$program"); do
        for task in /proc/"$pid"/task/*; do
            read -r call _ < "$task/syscall" 2> /dev/null || return 1
            [ "$call" = 7 ] || [ "$call" = 271 ] || return 1
            found=yes
        done
    done
    [ $found = yes ]
}
# Writes FILE once the window shows what it should: the picture of the same
# name in the folder of --like, or else, while the program waits, the same
# pixels twice in a row that differ from those of NOT (a file, or nothing).
settled() {
    local id=$1 file=$2 not=${3:-/dev/null} deadline=$((SECONDS + seconds))
    while [ $SECONDS -lt $deadline ]; do
        if [ -n "$like" ]; then
            capture "$id" > "$file" && cmp -s "$file" "$like/${file##*/}" && return 0
        elif waiting && capture "$id" > "$file.first" && waiting && capture "$id" > "$file" &&
            waiting && cmp -s "$file" "$file.first" && ! cmp -s "$file" "$not"; then
            rm -f "$file.first"
            return 0
        fi
        sleep 0.05
    done
    rm -f "$file.first"
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
