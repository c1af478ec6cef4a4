# W3 with gnuplot: 20 filled bands of a 1000 x 1000 grid (pm3d map, one quadrangle per cell,
# coloured by a palette of 20 colours over the band edges -2 .. 2).
WORKLOAD = "W3"
dir = ARG0; while (strlen(dir) > 0 && dir[strlen(dir):] ne "/") { dir = dir[1:strlen(dir) - 1] }
call dir . "page.gp" ARG1 ARG2 ARG3
set title "W3: filled contours, 20 bands"
set xrange [-1:1]; set xtics 0.5
set yrange [-1:1]; set ytics 0.5
set pm3d map
set palette maxcolors 20
set cbrange [-2:2]
unset colorbox
splot data . "grid1000.bin" binary array=(1000,1000) format="%float64" endian=little \
    dx=2.0/999 dy=2.0/999 origin=(-1,-1,0) with pm3d notitle
