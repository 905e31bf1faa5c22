# Games won and points per game against the baseline over games trained, from
# curve files as train/measure_curve.sh or morvik-train --curve write them
# ("games win-rate points-per-game games-played", one line per checkpoint).
# gnuplot -e "curve='curve.txt'; out='docs/training-curve.png'" train/training_curve.gp
# Optional: -e "b1='other.txt'; l1='...'; b2='third.txt'; l2='...'" add runs
# that branch off the main one.
set terminal pngcairo size 900,760 font "sans,11"
set output out
set multiplot layout 2,1 title "The network (0-ply) against the baseline evaluator, 4,000 games per checkpoint"
set grid
set key bottom right
set xlabel "self-play games trained to points (millions; 0 = the win-trained weights)"
if (!exists("b1")) { b1 = curve; l1 = "" }
if (!exists("b2")) { b2 = curve; l2 = "" }
on1 = strlen(l1) > 0
on2 = strlen(l2) > 0
main = "TD(0), the next move as played"
set ylabel "games won (%)"
set yrange [58:68]
plot curve using ($1/1e6):($2*100) with linespoints pt 7 ps 0.6 lc rgb "dark-blue" title main, \
     b1 using ($1/1e6):(on1 ? $2*100 : NaN) with linespoints pt 5 ps 0.6 lc rgb "dark-orange" title l1, \
     b2 using ($1/1e6):(on2 ? $2*100 : NaN) with linespoints pt 9 ps 0.7 lc rgb "dark-green" title l2, \
     66 with lines dt 2 lc rgb "gray" title "66%"
set ylabel "points per game"
set yrange [0.15:0.55]
plot curve using ($1/1e6):3 with linespoints pt 7 ps 0.6 lc rgb "dark-blue" title main, \
     b1 using ($1/1e6):(on1 ? $3 : NaN) with linespoints pt 5 ps 0.6 lc rgb "dark-orange" title l1, \
     b2 using ($1/1e6):(on2 ? $3 : NaN) with linespoints pt 9 ps 0.7 lc rgb "dark-green" title l2, \
     0.45 with lines dt 2 lc rgb "gray" title "+0.45"
unset multiplot
