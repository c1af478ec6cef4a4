# W4 with gnuplot: the shaded surface of sin(r)/r on a 300 x 300 grid (pm3d depthorder) with its
# colour scale.
WORKLOAD = "W4"
dir = ARG0; while (strlen(dir) > 0 && dir[strlen(dir):] ne "/") { dir = dir[1:strlen(dir) - 1] }
call dir . "page.gp" ARG1 ARG2 ARG3
set title "W4: shaded surface sin(r)/r, 300 x 300"
set xrange [-10:10]; set xtics 5
set yrange [-10:10]; set ytics 5
set zrange [-0.3:1]; set ztics 0.5
set xyplane at -0.3
set view 60, 30
set pm3d depthorder
set autoscale cbfix
splot data . "surf300.bin" binary array=(300,300) format="%float64" endian=little \
    dx=20.0/299 dy=20.0/299 origin=(-10,-10,0) with pm3d notitle
