# Win rate against the baseline over games trained, from the curve file that
# morvik-train --curve writes ("games win-rate points-per-game games-played").
# gnuplot -e "curve='curve.txt'; out='docs/training-curve.png'" train/training_curve.gp
set terminal pngcairo size 800,480 font "sans,11"
set output out
set title "Win rate of the network (0-ply) against the baseline evaluator"
set xlabel "self-play games trained (thousands)"
set ylabel "games won (%)"
set grid
set key bottom right
set yrange [0:100]
plot curve using ($1/1000):($2*100) with linespoints pt 7 ps 0.6 title "1,000 games per point (500 mirrored pairs)", \
     50 with lines dt 2 lc rgb "gray" title "even"
