# Reads summary.csv: n,objects,series,median,p10,p90 (milliseconds; memory rows in MB).
set datafile separator ','
set terminal pngcairo size 1100,680 font 'sans,10'
set logscale xy
set xrange [700:1.5e6]
set grid
set key outside right
set xlabel 'objects in the city'
set output 'scaling.png'
set ylabel 'median over the walk, ms (bars: 10 % to 90 %)'
set title 'Pass stages and the truth against the city size'
s(name) = sprintf("< grep -F ',%s,' summary.csv", name)
plot s('cpu-depth rasterize') using 2:4:5:6 with yerrorlines lc rgb '#1b9e77' dt 1 lw 1.5 title 'cpu-depth rasterize', \
     s('cpu-depth tests (each object)') using 2:4:5:6 with yerrorlines lc rgb '#66a61e' dt 1 lw 1.5 title 'cpu-depth tests (each object)', \
     s('cpu-depth tests (hierarchy)') using 2:4:5:6 with yerrorlines lc rgb '#d95f02' dt 1 lw 1.5 title 'cpu-depth tests (hierarchy)', \
     s('gpu-hiz render') using 2:4:5:6 with yerrorlines lc rgb '#7570b3' dt 2 lw 1.5 title 'gpu-hiz render', \
     s('gpu-hiz read-back') using 2:4:5:6 with yerrorlines lc rgb '#1b9e77' dt 2 lw 1.5 title 'gpu-hiz read-back', \
     s('gpu-hiz pyramid') using 2:4:5:6 with yerrorlines lc rgb '#66a61e' dt 2 lw 1.5 title 'gpu-hiz pyramid', \
     s('gpu-hiz tests (each object)') using 2:4:5:6 with yerrorlines lc rgb '#a6761d' dt 2 lw 1.5 title 'gpu-hiz tests (each object)', \
     s('gpu-hiz tests (hierarchy)') using 2:4:5:6 with yerrorlines lc rgb '#d95f02' dt 2 lw 1.5 title 'gpu-hiz tests (hierarchy)', \
     s('truth') using 2:4:5:6 with yerrorlines lc rgb '#7570b3' dt 1 lw 2.5 title 'truth', \
     s('draw all') using 2:4:5:6 with yerrorlines lc rgb '#e7298a' dt 1 lw 2.5 title 'draw all', \
     s('draw after cpu-depth') using 2:4:5:6 with yerrorlines lc rgb '#000000' dt 1 lw 2.5 title 'draw after cpu-depth'
set output 'methods.png'
set title "Every method's pass (thick) and the lab methods' stages against the city size"
plot s('cpu-depth pass') using 2:4:5:6 with yerrorlines lc rgb '#1b9e77' dt 1 lw 2.5 title 'cpu-depth pass', \
     s('gpu-hiz pass') using 2:4:5:6 with yerrorlines lc rgb '#7570b3' dt 1 lw 2.5 title 'gpu-hiz pass', \
     s('hom pass') using 2:4:5:6 with yerrorlines lc rgb '#d95f02' dt 1 lw 2.5 title 'hom pass', \
     s('hom map') using 2:4:5:6 with yerrorlines lc rgb '#d95f02' dt 3 lw 1.2 title 'hom map', \
     s('hom buffer') using 2:4:5:6 with yerrorlines lc rgb '#d95f02' dt 4 lw 1.2 title 'hom buffer', \
     s('hom tests') using 2:4:5:6 with yerrorlines lc rgb '#d95f02' dt 5 lw 1.2 title 'hom tests', \
     s('hom-conservative pass') using 2:4:5:6 with yerrorlines lc rgb '#e7298a' dt 1 lw 2.5 title 'hom-conservative pass', \
     s('hom-conservative map render') using 2:4:5:6 with yerrorlines lc rgb '#e7298a' dt 3 lw 1.2 title 'hom-conservative map render', \
     s('hom-conservative map read-back + pyramid') using 2:4:5:6 with yerrorlines lc rgb '#e7298a' dt 4 lw 1.2 title 'hom-conservative map read-back + pyramid', \
     s('hom-conservative buffer') using 2:4:5:6 with yerrorlines lc rgb '#e7298a' dt 5 lw 1.2 title 'hom-conservative buffer', \
     s('hom-conservative tests') using 2:4:5:6 with yerrorlines lc rgb '#e7298a' dt 6 lw 1.2 title 'hom-conservative tests', \
     s('occlusion-query pass') using 2:4:5:6 with yerrorlines lc rgb '#66a61e' dt 1 lw 2.5 title 'occlusion-query pass', \
     s('occlusion-query occluders') using 2:4:5:6 with yerrorlines lc rgb '#66a61e' dt 3 lw 1.2 title 'occlusion-query occluders', \
     s('occlusion-query queries issued') using 2:4:5:6 with yerrorlines lc rgb '#66a61e' dt 4 lw 1.2 title 'occlusion-query queries issued', \
     s('occlusion-query results read') using 2:4:5:6 with yerrorlines lc rgb '#66a61e' dt 5 lw 1.2 title 'occlusion-query results read', \
     s('truth') using 2:4:5:6 with yerrorlines lc rgb '#000000' dt 1 lw 2.5 title 'truth'
set output 'memory.png'
set title 'Resident memory and build time against the city size'
set ylabel 'resident MB / build s'
plot s('resident MB') using 2:4 with linespoints lw 2 title 'resident MB after the walk', \
     s('scene lists MB') using 2:4 with linespoints lw 2 title 'of that, the viewer''s scene lists (MB)', \
     s('build seconds') using 2:4 with linespoints lw 2 title 'build seconds (city, hierarchy, upload)'
