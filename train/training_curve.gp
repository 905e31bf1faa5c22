# Games won and points per game against the baseline over games trained, from
# a curve file as train/measure_curve.sh or morvik-train --curve write it
# ("games win-rate points-per-game games-played", one line per checkpoint).
# gnuplot -e "curve='curve.txt'; out='docs/training-curve.png'" train/training_curve.gp
# Optional: -e "branch='other.txt'; branchlabel='...'" adds a second run.
set terminal pngcairo size 900,720 font "sans,11"
set output out
set multiplot layout 2,1 title "The network (0-ply) against the baseline evaluator, 4,000 games per checkpoint"
set grid
set key bottom right
set xlabel "self-play games trained to points (millions; 0 = the win-trained weights)"
set ylabel "games won (%)"
set yrange [58:68]
both = exists("branch")
plot curve using ($1/1e6):($2*100) with linespoints pt 7 ps 0.6 lc rgb "dark-blue" \
       title "TD(0), the next move as played", \
     (both ? branch : curve) using ($1/1e6):(both ? $2*100 : NaN) with linespoints pt 5 ps 0.6 \
       lc rgb "dark-orange" title (both ? branchlabel : ""), \
     66 with lines dt 2 lc rgb "gray" title "66%"
set ylabel "points per game"
set yrange [0.15:0.55]
plot curve using ($1/1e6):3 with linespoints pt 7 ps 0.6 lc rgb "dark-blue" \
       title "TD(0), the next move as played", \
     (both ? branch : curve) using ($1/1e6):(both ? $3 : NaN) with linespoints pt 5 ps 0.6 \
       lc rgb "dark-orange" title (both ? branchlabel : ""), \
     0.45 with lines dt 2 lc rgb "gray" title "+0.45"
unset multiplot
