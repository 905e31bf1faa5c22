# Games won and points per game against the baseline over games trained, from
# curve files as train/measure_curve.sh or morvik-train --curve write them
# ("games win-rate points-per-game games-played", one line per checkpoint).
# gnuplot -e "curve='curve.txt'; out='docs/training-curve.png'" train/training_curve.gp
# Optional: -e "b1='other.txt'; l1='...'; b2='third.txt'; l2='...'" and so on
# up to b9/l9 add other runs: branches off the main one, or runs of their own.
set terminal pngcairo size 900,820 font "sans,11"
set output out
set multiplot layout 2,1 title "The network (0-ply) against the baseline evaluator, 4,000 games per checkpoint"
set grid
set key bottom right font ",9"
set xlabel "self-play games trained to points (millions; 0 = the win-trained weights)"
array files[9]
array labels[9]
array points[9] = [5, 9, 11, 13, 3, 15, 1, 2, 4]
array colours[9] = ["dark-orange", "dark-green", "dark-red", "dark-magenta", "dark-cyan", "olive", \
                    "black", "salmon", "dark-violet"]
do for [i=1:9] {
  name = sprintf("b%d", i)
  files[i] = exists(name) ? value(name) : curve
  labels[i] = exists(name) ? value(sprintf("l%d", i)) : ""
}
main = "TD(0), the next move as played"
set ylabel "games won (%)"
set yrange [58:68]
plot curve using ($1/1e6):($2*100) with linespoints pt 7 ps 0.6 lc rgb "dark-blue" title main, \
     for [i=1:9] files[i] using ($1/1e6):(strlen(labels[i]) > 0 ? $2*100 : NaN) \
       with linespoints pt points[i] ps 0.6 lc rgb colours[i] title labels[i], \
     66 with lines dt 2 lc rgb "gray" title "66%"
set ylabel "points per game"
set yrange [0.15:0.55]
plot curve using ($1/1e6):3 with linespoints pt 7 ps 0.6 lc rgb "dark-blue" title main, \
     for [i=1:9] files[i] using ($1/1e6):(strlen(labels[i]) > 0 ? $3 : NaN) \
       with linespoints pt points[i] ps 0.6 lc rgb colours[i] title labels[i], \
     0.45 with lines dt 2 lc rgb "gray" title "+0.45"
unset multiplot
