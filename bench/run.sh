#!/usr/bin/env bash
# Times the benchmark workloads W0..W7 (bench/README.md): Kavlor's programs next to PLplot, gnuplot
# and matplotlib, as whole processes, in one run, and prints the medians. A benchmark, not a test.
#
#   bench/run.sh [SELECTION...]   each SELECTION adds cases: W1 (all formats of W1), pdf (every
#                                 workload measured in PDF), W1:pdf, W1x10 (W1 at ten times its
#                                 work) or x10 (every case at ten times); default: every case
#
# Environment: KVBENCH_WORK (work folder: programs, pictures, timings; default /tmp/kvbench),
# KVBENCH_DATA (input data; default $KVBENCH_WORK/data), KVBENCH_RUNS (the fewest timed runs per
# program, more until they fill 3 s; default 5), KVBENCH_WARMUP (untimed runs before them; default
# 1), KVBENCH_BUILD (build folder of Kavlor's programs; default build/kavlor-bench: build/bench is
# bench/'s folder in the normal build).
set -euo pipefail
bench=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$bench")
. "$root/scripts/packages.sh"

# The workloads and the formats each is measured in, as WORKLOADS.md lists them (and W1 drawn into
# a screen window, which only Kavlor has), then the same at ten times the work (W1x10 ...), which
# only Kavlor and PLplot are timed on.
CASES=(W0:png W0:pdf W1:ps W1:pdf W1:svg W1:png W1:screen W2:pdf W2:ps W3:pdf W3:png W4:png
       W4:pdf W5:ps W6:pdf W6:png W7:pdf W7:png
       W1x10:ps W1x10:pdf W1x10:svg W1x10:png W2x10:pdf W2x10:ps W3x10:pdf W3x10:png W4x10:png
       W4x10:pdf W6x10:pdf W6x10:png)
PROGRAMS=(kavlor kavlor.py plplot gnuplot matplotlib)
PROGRAMS_X10=(kavlor plplot)
BENCH_PACKAGES=(gcc pkg-config libplplot-dev plplot-driver-cairo gnuplot-nox python3-matplotlib
                python3-numpy hyperfine xvfb)

work=${KVBENCH_WORK:-/tmp/kvbench}
export KVBENCH_DATA=${KVBENCH_DATA:-$work/data}
runs=${KVBENCH_RUNS:-5}
warmup=${KVBENCH_WARMUP:-1}
build=${KVBENCH_BUILD:-$root/build/kavlor-bench}
bin=$work/bin results=$work/results pictures=$work/out

die() { echo "bench/run.sh: $*" >&2; exit 1; }

# hyperfine runs the commands without a shell, split at blanks.
for path in "$bench" "$work" "$KVBENCH_DATA" "$build"; do
    [[ $path != *[[:space:]]* ]] || die "no blanks in folder names, please: '$path'"
done

for arg in "$@"; do
    [[ $arg == x10 || " ${CASES[*]} " =~ [\ :]"$arg"[\ :] ]] ||
        die "unknown selection $arg (cases: ${CASES[*]})"
done
selected=()
for case in "${CASES[@]}"; do
    for arg in "${@:-all}"; do
        if [[ $arg == all || $arg == "$case" || $arg == "${case%:*}" || $arg == "${case#*:}" ||
              ($arg == x10 && $case == *x10:*) ]]; then
            selected+=("$case")
            break
        fi
    done
done

ensure_packages "${BENCH_PACKAGES[@]}"

# The input data, written once (again only when its generator changes); the data at ten times
# the work (about 220 MB) only when a case needs it.
write_data() { # GENERATOR (mkdata_x10 takes its formulas from mkdata, so both make its stamp)
    local stamp
    stamp=$(cat "$bench/mkdata.py" "$bench/$1.py" | sha256sum)
    if [ "$(cat "$KVBENCH_DATA/.$1" 2> /dev/null)" != "$stamp" ]; then
        echo "== writing the input data of $1.py into $KVBENCH_DATA"
        PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$bench/$1.py" "$KVBENCH_DATA"
        echo "$stamp" > "$KVBENCH_DATA/.$1"
    fi
}
write_data mkdata
[[ " ${selected[*]} " != *x10:* ]] || write_data mkdata_x10

echo "== building the PLplot programs in $bin"
mkdir -p "$bin"
read -ra plplot_flags <<< "$(pkg-config --cflags --libs plplot)"
for source in "$bench"/plplot/w*.c; do
    cc -O2 -I"$bench" -o "$bin/plplot_$(basename "$source" .c)" "$source" "${plplot_flags[@]}" -lm
done

shopt -s nullglob
kavlor_sources=("$bench"/kavlor/w*.c)
shopt -u nullglob
if [ ${#kavlor_sources[@]} -gt 0 ]; then
    echo "== building Kavlor's programs in $build"
    ensure_packages "${BUILD_PACKAGES[@]}"
    # Measured at RelWithDebInfo, as every recorded run was; the tests are not built.
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVLOR_BUILD_TESTS=OFF \
        -DKAVLOR_BENCH=ON > /dev/null
    cmake --build "$build" -j "$(nproc)" --target kavlor_bench kavlor_python shorelines
    # Kavlor's programs read the map files from the build's installation folder.
    export KAVLOR=$build/data
else
    echo "== no Kavlor programs yet (bench/kavlor/w*.c): timing the peers alone"
fi

# W7's coastlines are the shoreline file that the build makes from GSHHG; mkmap.py writes the same
# lines for the peers (again only when it or the file changes).
if [[ " ${selected[*]} " == *" W7:"* ]]; then
    shorelines=$build/data/map/gshhs_i.b
    [ -f "$shorelines" ] || die "no $shorelines: W7 needs Kavlor's build (gmt-gshhg-low)"
    stamp=$(cat "$bench/mkmap.py" "$shorelines" | sha256sum)
    if [ "$(cat "$KVBENCH_DATA/.mkmap" 2> /dev/null)" != "$stamp" ]; then
        echo "== writing the coastlines of W7 into $KVBENCH_DATA"
        PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$bench/mkmap.py" "$shorelines" "$KVBENCH_DATA"
        echo "$stamp" > "$KVBENCH_DATA/.mkmap"
    fi
fi

# command_of PROGRAM W FORMAT OUT: the command line that draws case W FORMAT into OUT, or nothing
# when PROGRAM has no program for W.
command_of() {
    local name=${2,}
    name=${name%x10}
    case $1 in
    kavlor) [ -x "$build/bench/kavlor_$name" ] && echo "$build/bench/kavlor_$name $2 $3 $4" ;;
    kavlor.py) [ -f "$bench/python/$name.py" ] &&
        echo "env PYTHONPATH=$build/python/module /usr/bin/python3 $bench/python/$name.py $2 $3 $4" ;;
    plplot) [ -x "$bin/plplot_$name" ] && echo "$bin/plplot_$name $2 $3 $4" ;;
    gnuplot) [ -f "$bench/gnuplot/$name.gp" ] && echo "gnuplot -c $bench/gnuplot/$name.gp $2 $3 $4" ;;
    matplotlib) [ -f "$bench/matplotlib/$name.py" ] &&
        echo "/usr/bin/python3 $bench/matplotlib/$name.py $2 $3 $4" ;;
    esac
    return 0
}

# The screen cases draw into windows of an X server of the run's own (only Kavlor has them).
if [[ " ${selected[*]} " == *:screen\ * ]]; then
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$fifo" 2> /dev/null &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2> /dev/null' EXIT
    read -r -t 10 number < "$fifo" || die "Xvfb did not start"
    rm -f "$fifo"
    export DISPLAY=:$number
fi

rm -rf "$results" "$pictures"
mkdir -p "$results" "$pictures"
for case in "${selected[@]}"; do
    w=${case%:*} format=${case#*:}
    timed=() programs=("${PROGRAMS[@]}")
    [[ $w != *x10 ]] || programs=("${PROGRAMS_X10[@]}")
    # First one checked run per program: exit status 0 and a file written (3: no writer).
    for program in "${programs[@]}"; do
        out=$pictures/$w-$program.$format
        command=$(command_of "$program" "$w" "$format" "$out")
        [ -n "$command" ] || continue
        status=0
        $command > "$results/$w-$format-$program.log" 2>&1 || status=$?
        if [ $status -eq 0 ] && [ -s "$out" ]; then
            state=ok
            timed+=(--command-name "$program" "$command")
        elif [ $status -eq 3 ]; then
            state=no-writer
        else
            state=failed
            echo "   $program failed on $w $format (exit $status): $results/$w-$format-$program.log"
        fi
        printf '%s\t%s\t%s\t%s\n' "$w" "$format" "$program" "$state" >> "$results/status.tsv"
    done
    echo "== $w $format: $((${#timed[@]} / 3)) programs, $warmup warm-up and at least $runs timed runs each"
    [ ${#timed[@]} -gt 0 ] || continue
    # At least $runs runs, and as many as fill 3 s: a program of a few milliseconds gets hundreds,
    # which a median of a handful cannot replace; one of a minute gets $runs.
    hyperfine --shell=none --style none --warmup "$warmup" --min-runs "$runs" \
        --export-json "$results/$w-$format.json" "${timed[@]}" > "$results/$w-$format.log" 2>&1 ||
        echo "   timing failed on $w $format: $results/$w-$format.log"
done

echo
echo "Median wall seconds of whole processes (at least $runs runs after $warmup warm-up; $(nproc) cores)"
/usr/bin/python3 "$bench/table.py" "$results" "$pictures" | tee "$results/table.txt"

# Kavlor.py's whole processes also start the interpreter and import NumPy, which its C twin does
# not: the W1 plot alone, from the NumPy array in memory to the file, is timed from Python and
# from C in one process as well, which is the module's own share.
if [[ " ${selected[*]} " =~ \ W1:(ps|pdf|svg|png)\  ]] && [ -d "$build/python/module" ]; then
    echo
    echo "The W1 plot alone, from Python and from C in one process (bench/python/plot_time.py)"
    PYTHONPATH=$build/python/module:$bench/python PYTHONDONTWRITEBYTECODE=1 \
        /usr/bin/python3 "$bench/python/plot_time.py" "$((runs * 2 + 1))" |
        tee "$results/W1-plot-time.txt"
fi
echo "Pictures: $pictures; timings: $results"
