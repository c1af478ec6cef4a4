# W5 with gnuplot: the mesh of sin(r)/r on a 100 x 100 grid with hidden lines removed (hidden3d).
WORKLOAD = "W5"
dir = ARG0; while (strlen(dir) > 0 && dir[strlen(dir):] ne "/") { dir = dir[1:strlen(dir) - 1] }
call dir . "page.gp" ARG1 ARG2 ARG3
set title "W5: mesh with hidden lines, 100 x 100"
set xrange [-10:10]; set xtics 5
set yrange [-10:10]; set ytics 5
set zrange [-0.3:1]; set ztics 0.5
set xyplane at -0.3
set view 60, 30
set hidden3d
splot data . "mesh100.bin" binary array=(100,100) format="%float64" endian=little \
    dx=20.0/99 dy=20.0/99 origin=(-10,-10,0) with lines lw line_width lc rgb "black" notitle
