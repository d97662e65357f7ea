set datafile separator ','
set key outside right top box opaque
set grid
set xrange [0:355]
set xtics 0,45,360
set xlabel 'fake camera angle (degrees)'
set terminal pngcairo size 1000,900 font ',10'
set output 'culling-by-angle.png'
set multiplot layout 3,1 title 'Occludees culled, truly hidden and falsely culled (of 640)'
set ylabel 'occludees'
set yrange [0:660]
set title 'threshold 255'
plot 'results.csv' using 'angle':(column("threshold")==255 ? column("hidden") : NaN) with lines lw 2 lc rgb '#555555' title 'truly hidden', \
     'results.csv' using 'angle':(column("threshold")==255 ? column("passedDeb") : NaN) with linespoints pt 7 ps 0.5 lw 2 lc rgb '#2471a3' title 'culled', \
     'results.csv' using 'angle':(column("threshold")==255 ? column("falseCulls") : NaN) with linespoints pt 5 ps 0.5 lw 2 lc rgb '#c0392b' title 'false culls'
set title 'threshold 150'
plot 'results.csv' using 'angle':(column("threshold")==150 ? column("hidden") : NaN) with lines lw 2 lc rgb '#555555' title 'truly hidden', \
     'results.csv' using 'angle':(column("threshold")==150 ? column("passedDeb") : NaN) with linespoints pt 7 ps 0.5 lw 2 lc rgb '#2471a3' title 'culled', \
     'results.csv' using 'angle':(column("threshold")==150 ? column("falseCulls") : NaN) with linespoints pt 5 ps 0.5 lw 2 lc rgb '#c0392b' title 'false culls'
set title 'threshold 0'
plot 'results.csv' using 'angle':(column("threshold")==0 ? column("hidden") : NaN) with lines lw 2 lc rgb '#555555' title 'truly hidden', \
     'results.csv' using 'angle':(column("threshold")==0 ? column("passedDeb") : NaN) with linespoints pt 7 ps 0.5 lw 2 lc rgb '#2471a3' title 'culled', \
     'results.csv' using 'angle':(column("threshold")==0 ? column("falseCulls") : NaN) with linespoints pt 5 ps 0.5 lw 2 lc rgb '#c0392b' title 'false culls'
unset multiplot
set terminal pngcairo size 1000,700 font ',10'
set output 'frame-cost-by-angle.png'
set multiplot layout 2,1 title 'Frame cost: culled frame against drawing all 1000 objects'
set title ''
set ylabel 'milliseconds'
set autoscale y
set yrange [0:*]
plot 'results.csv' using 'angle':(column("threshold")==255 ? column("drawAllMs") : NaN) with lines lw 2 lc rgb '#555555' title 'draw all', \
     'results.csv' using 'angle':(column("threshold")==255 ? column("culledFrameMs") : NaN) with lines lw 2 lc rgb '#c0392b' title 'culled frame, threshold 255', \
     'results.csv' using 'angle':(column("threshold")==150 ? column("culledFrameMs") : NaN) with lines lw 2 lc rgb '#2471a3' title 'culled frame, threshold 150', \
     'results.csv' using 'angle':(column("threshold")==0 ? column("culledFrameMs") : NaN) with lines lw 2 lc rgb '#229954' title 'culled frame, threshold 0', \
     'results.csv' using 'angle':(column("threshold")==255 ? column("cullingPassMs") : NaN) with lines lw 1 dt 2 lc rgb '#000000' title 'culling pass, threshold 255'
set ylabel 'culled / draw-all'
set yrange [0:*]
plot 0.6 with lines lw 1 dt 3 lc rgb '#000000' title 'target 0.6', \
     'results.csv' using 'angle':(column("threshold")==255 ? column("frameRatio") : NaN) with lines lw 2 lc rgb '#c0392b' title 'threshold 255', \
     'results.csv' using 'angle':(column("threshold")==150 ? column("frameRatio") : NaN) with lines lw 2 lc rgb '#2471a3' title 'threshold 150', \
     'results.csv' using 'angle':(column("threshold")==0 ? column("frameRatio") : NaN) with lines lw 2 lc rgb '#229954' title 'threshold 0'
unset multiplot
