# W6 with gnuplot: 100,000 open circles (`pt 6`) about 2 mm across.
WORKLOAD = "W6"
dir = ARG0; while (strlen(dir) > 0 && dir[strlen(dir):] ne "/") { dir = dir[1:strlen(dir) - 1] }
call dir . "page.gp" ARG1 ARG2 ARG3
set title "W6: scatter of 100,000 open circles"
set xrange [-5:5]; set xtics 1
set yrange [-5:5]; set ytics 1
plot data . "scatter.bin" binary record=(100000) format="%float64%float64" endian=little \
    using 1:2 with points pt 6 ps 0.9 lw line_width lc rgb "blue" notitle
