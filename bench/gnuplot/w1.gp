# W1 with gnuplot: one curve of 1,000,000 points drawn `with lines`.
WORKLOAD = "W1"
dir = ARG0; while (strlen(dir) > 0 && dir[strlen(dir):] ne "/") { dir = dir[1:strlen(dir) - 1] }
call dir . "page.gp" ARG1 ARG2 ARG3
set title "W1: curve of 1,000,000 points"
set xrange [0:360]; set xtics 90
set yrange [-1.5:1.5]; set ytics 0.5
plot data . "curve.bin" binary record=(1000000) format="%float64%float64" endian=little \
    using 1:2 with lines lw line_width lc rgb "blue" notitle
