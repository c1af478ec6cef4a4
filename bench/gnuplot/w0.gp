# W0 with gnuplot: an empty axis system with tick labels, axis names and a title.
WORKLOAD = "W0"
dir = ARG0; while (strlen(dir) > 0 && dir[strlen(dir):] ne "/") { dir = dir[1:strlen(dir) - 1] }
call dir . "page.gp" ARG1 ARG2 ARG3
set title "W0: empty axis system"
set xrange [0:10]; set xtics 2
set yrange [0:10]; set ytics 2
plot NaN notitle
