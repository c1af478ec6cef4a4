# W2 with gnuplot: contour lines of a 1000 x 1000 grid at 20 levels (`set contour base`).
WORKLOAD = "W2"
dir = ARG0; while (strlen(dir) > 0 && dir[strlen(dir):] ne "/") { dir = dir[1:strlen(dir) - 1] }
call dir . "page.gp" ARG1 ARG2 ARG3
set title "W2: contour lines, 1000 x 1000 grid"
set xrange [-1:1]; set xtics 0.5
set yrange [-1:1]; set ytics 0.5
levels = ""
do for [k = 0:19] { levels = levels . sprintf("%s%.1f", k ? "," : "", -1.9 + 0.2 * k) }
set contour base
set cntrparam levels discrete @levels
unset surface
set view map
unset key
splot data . "grid1000.bin" binary array=(1000,1000) format="%float64" endian=little \
    dx=2.0/999 dy=2.0/999 origin=(-1,-1,0) with lines lw line_width
