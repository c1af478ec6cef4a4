# What every gnuplot bench script shares; each sets WORKLOAD and calls this with its own arguments.
# Checks the call `gnuplot -c SCRIPT W FORMAT OUT` (exit 1 on a wrong call, 3 when gnuplot has no
# writer for FORMAT), opens the terminal of FORMAT on an A4 landscape page (1169 x 827 pixels for
# PNG, that is 100 dpi), and sets `data` (the data folder), `line_width` and the axis names.
if (ARG1 ne WORKLOAD || ARG3 eq "") {
    print sprintf("usage: gnuplot -c SCRIPT %s FORMAT OUT", WORKLOAD)
    exit status 1
}
# The PostScript terminal adds a margin of 50 points, so its page is made smaller to stay on A4.
# pdfcairo halves its fonts unless told otherwise; pngcairo counts 72 pixels to the inch, so on a
# 100 dpi page its fonts and lines are scaled by 100/72 to keep their sizes in points.
if (ARG2 eq "ps") {
    set terminal postscript landscape color size 27.7cm,19cm
} else { if (ARG2 eq "pdf") {
    set terminal pdfcairo size 29.7cm,21cm fontscale 1
} else { if (ARG2 eq "svg") {
    set terminal svg size 842,595
} else { if (ARG2 eq "png") {
    set terminal pngcairo size 1169,827 fontscale 100.0/72 linewidth 100.0/72
} else {
    print sprintf("%s: no gnuplot writer for %s", WORKLOAD, ARG2)
    exit status 3
} } } }
set output ARG3
data = system('printf %s "${KVBENCH_DATA:-/tmp/kvbench/data}"') . "/"
line_width = 0.5
set xlabel "X axis"
set ylabel "Y axis"
set zlabel "Z axis"
