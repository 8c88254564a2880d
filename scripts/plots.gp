# Plots the physics check's data (gnuplot -e "data='FOLDER'; docs='FOLDER'"):
# docs/msd.png, the large particle's mean squared displacement against the
# lag, and docs/paths.png, its path at mass ratios 1 and 20, in the box.
set terminal pngcairo size 640,480 font "sans,10"
set encoding utf8

# The bound the walls set: the centre of the 40-unit particle stays in a
# 360 x 360 square; two points spread evenly over it lie L²/6 apart per axis
# in the mean square.
range = 360.0
bound = 2 * range**2 / 6
# The guides go through the lightest and the heaviest particle's MSD at lag 10.
stats data."/msd.dat" every ::9::9 using 1 name "lag" nooutput
stats data."/msd.dat" every ::9::9 using 2 name "light" nooutput
stats data."/msd.dat" every ::9::9 using 4 name "heavy" nooutput
if (lag_max != 10) { print "msd.dat has no lag 10 in its tenth row"; exit status 1 }

set output docs."/msd.png"
set title "Mean squared displacement of the large particle (200 particles, reflecting walls)"
set logscale xy
set format y "10^{%L}"
set xlabel "lag (steps)"
set ylabel "mean squared displacement (world units²)"
set xrange [1:4000]
set yrange [0.3:2e5]
set key bottom right
set grid
plot data."/msd.dat" using 1:2 with linespoints pt 7 ps 0.5 lw 2 title "mass ratio 1", \
     "" using 1:3 with linespoints pt 7 ps 0.5 lw 2 title "mass ratio 20", \
     "" using 1:4 with linespoints pt 7 ps 0.5 lw 2 title "mass ratio 100", \
     light_max * x / 10 with lines dt 2 lw 1.5 lc "grey30" title "slope 1 (random walk)", \
     heavy_max * (x / 10)**2 with lines dt 3 lw 1.5 lc "grey30" title "slope 2 (straight flight)", \
     bound with lines lw 2 lc "black" dt 4 title sprintf("walls' bound, %.0f", bound)

set output docs."/paths.png"
set terminal pngcairo size 800,430 font "sans,10"
unset logscale
unset format
unset xlabel
unset ylabel
unset key
set size ratio -1
set xrange [0:400]
set yrange [0:400]
set xtics 100
set ytics 100
set multiplot layout 1,2 title "The large particle's path over 10,000 steps among 200 particles, in the 400 × 400 box"
set title "mass ratio 1"
plot data."/path-1.dat" with lines lc "magenta"
set title "mass ratio 20"
plot data."/path-20.dat" with lines lc "magenta"
unset multiplot
