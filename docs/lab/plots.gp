$pareto << EOD
0 "255" 1.936 0.61426 82.739
0 "240" 1.8031 2.199 88.774
0 "200" 1.7723 6.2972 92.974
0 "150" 1.7443 6.3324 95.65
0 "100" 1.7641 6.36 97.62
0 "50" 1.749 7.1231 99.545
0 "0" 1.7334 7.255 100
1 "255" 1.324 0.33097 38.156
1 "240" 1.3293 0.4002 38.204
1 "200" 1.3127 1.8139 39.095
1 "150" 1.3048 2.8609 39.483
1 "100" 1.3202 3.2305 39.845
1 "50" 1.3264 3.4166 39.941
1 "0" 1.3214 3.5596 40.028
2 "64" 0.20126 0.94064 95.434
2 "128" 0.22614 0.41348 95.727
2 "256" 0.2997 0.028637 95.628
2 "640" 0.59675 0 95.393
2 "256-triangles" 0.40261 0.35489 99.726
2 "640-triangles" 0.73138 0 100
2 "256-2-threads" 0.32349 0.028637 95.628
2 "640-2-threads" 0.48195 0 95.393
2 "256-outlines" 0.41897 0 91.91
3 "640" 8.4641 0 65.228
3 "160" 2.4995 0.14476 68.672
4 "stop-and-wait" 21.305 0 100
4 "previous-frame" 20.452 4.1409 82.667
EOD
set terminal pngcairo size 1400,620 font ',10'
set output 'pareto.png'
set multiplot layout 1,2 title 'Culling-pass cost against what the pass gets wrong and what it removes (means over the angles; labels: configuration)'
set logscale x
set grid
set xlabel 'mean culling-pass cost (ms, log scale)'
set key outside bottom center horizontal
set bmargin 6
set yrange [0:*]
set offsets graph 0.02, graph 0.2, graph 0.05, 0
set ylabel 'mean false-cull share (% of the visible occludees)'
plot $pareto using ($1==0?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#c0392b' title 'hom', \
     $pareto using ($1==1?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#2471a3' title 'hom-conservative', \
     $pareto using ($1==2?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#229954' title 'cpu-depth', \
     $pareto using ($1==3?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#8e44ad' title 'gpu-hiz', \
     $pareto using ($1==4?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#d68910' title 'occlusion-query', \
     $pareto using 3:4:2 with labels offset char 0.6,0.6 left font ',8' notitle
set ylabel 'hideable occludees culled (% of those the occluders alone hide)'
plot $pareto using ($1==0?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#c0392b' title 'hom', \
     $pareto using ($1==1?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#2471a3' title 'hom-conservative', \
     $pareto using ($1==2?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#229954' title 'cpu-depth', \
     $pareto using ($1==3?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#8e44ad' title 'gpu-hiz', \
     $pareto using ($1==4?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#d68910' title 'occlusion-query', \
     $pareto using 3:5:2 with labels offset char 0.6,0.6 left font ',8' notitle
unset multiplot
unset logscale x
set offsets 0, 0, 0, 0
set bmargin
set datafile separator ','
set terminal pngcairo size 1900,720 font ',9'
set output 'culled-by-angle.png'
set multiplot title 'Occludees culled (top, of 640) and falsely culled (bottom, own axis) by fake camera angle'
set xrange [0:355]
set xtics 0,90,360
set mxtics 2
set grid
set key inside top left vertical opaque font ',7' samplen 1.5 spacing 0.85
set lmargin at screen 0.035789
set rmargin at screen 0.19579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'hom'
set xlabel ''
set format x ''
set yrange [0:661]
set ylabel 'occludees'
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '255' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '240' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '200' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '150' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '100' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '50' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '0' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '0'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:103]
set ylabel 'false culls'
plot 'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '255' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '240' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '200' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '150' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '100' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '50' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '0' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '0'
set lmargin at screen 0.23579
set rmargin at screen 0.39579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'hom-conservative'
set xlabel ''
set format x ''
set yrange [0:661]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '255' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '240' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '200' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '150' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '100' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '50' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '0' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '0'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:103]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '255' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '240' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '200' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '150' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '100' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '50' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '0' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '0'
set lmargin at screen 0.43579
set rmargin at screen 0.59579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'cpu-depth'
set xlabel ''
set format x ''
set yrange [0:661]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '640', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-triangles' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '256-triangles', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-triangles' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '640-triangles', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-2-threads' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '256-2-threads', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-2-threads' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '640-2-threads', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-outlines' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '256-outlines'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:103]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '640', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-triangles' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '256-triangles', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-triangles' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '640-triangles', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-2-threads' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '256-2-threads', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-2-threads' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '640-2-threads', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-outlines' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '256-outlines'
set lmargin at screen 0.63579
set rmargin at screen 0.79579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'gpu-hiz'
set xlabel ''
set format x ''
set yrange [0:661]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '640', \
     'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '160' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '160'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:103]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '640', \
     'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '160' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '160'
set lmargin at screen 0.83579
set rmargin at screen 0.99579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'occlusion-query'
set xlabel ''
set format x ''
set yrange [0:661]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'stop-and-wait' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title 'stop-and-wait', \
     'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'previous-frame' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title 'previous-frame'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:103]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'stop-and-wait' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title 'stop-and-wait', \
     'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'previous-frame' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title 'previous-frame'
unset multiplot
unset title
set format x '%g'
unset xrange
set xtics autofreq
set lmargin
set rmargin
set tmargin
set bmargin
set autoscale y
set datafile separator whitespace
$cost180 << EOD
"draw-all" 0 0 0 0 10.213
"oracle" 0 0 0 0 6.2923
"oracle-occluders" 0 0 0 0 7.955
"hom 255" 1.7531 0.15104 0.37729 0 8.3135
"hom 240" 1.6168 0.13465 0.39687 0 7.8427
"hom 200" 1.5456 0.14432 0.45254 0 6.1343
"hom 150" 1.5926 0.13908 0.42502 0 6.1343
"hom 100" 1.5743 0.12762 0.36849 0 6.2229
"hom 50" 1.5597 0.11524 0.35334 0 5.7438
"hom 0" 1.4631 0.11012 0.3497 0 5.7438
"hom-conservative 255" 1.287 0.02158 0.074089 0.18793 7.8338
"hom-conservative 240" 1.1719 0.020237 0.058689 0.17457 7.8338
"hom-conservative 200" 1.3955 0.019016 0.056766 0.16832 7.2664
"hom-conservative 150" 1.1909 0.019387 0.061805 0.16327 6.7008
"hom-conservative 100" 1.3754 0.018435 0.0589 0.12866 5.9774
"hom-conservative 50" 1.2762 0.019086 0.057557 0.12389 5.9774
"hom-conservative 0" 1.266 0.018045 0.056064 0.12256 5.9774
"cpu-depth 64" 0.00016 0.15602 0.040475 0 6.8707
"cpu-depth 128" 3e-05 0.15474 0.042128 0 6.2859
"cpu-depth 256" 4e-05 0.22397 0.044813 0 7.4199
"cpu-depth 640" 0.00011 0.5186 0.073617 0 7.8926
"cpu-depth 256-triangles" 0.000111 0.21733 0.177 0 8.2332
"cpu-depth 640-triangles" 4e-05 0.50839 0.25356 0 7.955
"cpu-depth 256-2-threads" 0.00011 0.25011 0.042289 0 7.4199
"cpu-depth 640-2-threads" 4e-05 0.41698 0.05938 0 7.8926
"cpu-depth 256-outlines" 0.00012 0.29359 0.041899 0 8.3051
"gpu-hiz 640" 7.6883 0.50002 0.24654 0.16456 8.3506
"gpu-hiz 160" 2.4793 0.046467 0.012533 0.14193 7.9637
"occlusion-query stop-and-wait" 6.6661 13.89 0.031619 0 7.955
"occlusion-query previous-frame" 0.04282 6.5983 13.898 0 7.3539
EOD
$cost225 << EOD
"draw-all" 0 0 0 0 12.034
"oracle" 0 0 0 0 5.3184
"oracle-occluders" 0 0 0 0 6.4995
"hom 255" 1.3555 0.13614 0.37722 0 7.1586
"hom 240" 1.3527 0.10851 0.33453 0 7.4686
"hom 200" 1.2419 0.10877 0.32274 0 7.4686
"hom 150" 1.3176 0.10671 0.31735 0 7.4686
"hom 100" 1.2306 0.10888 0.32419 0 6.7593
"hom 50" 1.2715 0.10678 0.34763 0 6.7593
"hom 0" 1.2457 0.10882 0.37401 0 7.1084
"hom-conservative 255" 1.1287 0.016882 0.058108 0.13118 9.5402
"hom-conservative 240" 1.1419 0.017082 0.058189 0.12264 9.5402
"hom-conservative 200" 1.1288 0.01634 0.057417 0.12311 8.9988
"hom-conservative 150" 1.1365 0.015579 0.057808 0.118 8.9988
"hom-conservative 100" 1.1189 0.014497 0.057126 0.11581 8.9839
"hom-conservative 50" 1.1459 0.016581 0.058058 0.11473 9.1371
"hom-conservative 0" 1.2118 0.015189 0.057367 0.11609 8.9691
"cpu-depth 64" 0.000161 0.13673 0.040134 0 6.9366
"cpu-depth 128" 3.1e-05 0.15515 0.041548 0 5.9855
"cpu-depth 256" 3.1e-05 0.22366 0.050254 0 5.9855
"cpu-depth 640" 0.00012 0.55685 0.093946 0 6.6517
"cpu-depth 256-triangles" 0.00011 0.21891 0.10423 0 6.0046
"cpu-depth 640-triangles" 0.00011 0.53815 0.17352 0 6.4995
"cpu-depth 256-2-threads" 7e-05 0.26936 0.049702 0 5.9855
"cpu-depth 640-2-threads" 0.00012 0.47288 0.069009 0 6.6517
"cpu-depth 256-outlines" 3e-05 0.3725 0.051055 0 6.3079
"gpu-hiz 640" 7.6286 0.48581 0.22527 0.16691 7.4957
"gpu-hiz 160" 2.2798 0.03747 0.011842 0.14012 7.2336
"occlusion-query stop-and-wait" 5.9446 12.543 0.030787 0 6.4995
"occlusion-query previous-frame" 0.049372 6.2197 13.183 0 7.0932
EOD
$cost270 << EOD
"draw-all" 0 0 0 0 8.7503
"oracle" 0 0 0 0 5.7822
"oracle-occluders" 0 0 0 0 7.5171
"hom 255" 1.2652 0.16693 0.37588 0 7.7615
"hom 240" 1.382 0.11111 0.40212 0 6.9539
"hom 200" 1.2739 0.14014 0.43912 0 5.3187
"hom 150" 1.3707 0.11882 0.36584 0 5.3658
"hom 100" 1.2784 0.11012 0.3712 0 5.0886
"hom 50" 1.3766 0.12282 0.40823 0 5.3072
"hom 0" 1.2386 0.10341 0.38707 0 5.3072
"hom-conservative 255" 1.1512 0.022071 0.056766 0.13884 7.2418
"hom-conservative 240" 1.0467 0.015058 0.055734 0.1573 7.2418
"hom-conservative 200" 1.0136 0.015279 0.055654 0.12175 6.8273
"hom-conservative 150" 0.92902 0.017733 0.056806 0.13239 6.1966
"hom-conservative 100" 1.0069 0.017593 0.055794 0.141 6.1513
"hom-conservative 50" 1.0121 0.017293 0.056736 0.11585 6.1513
"hom-conservative 0" 1.001 0.018445 0.058179 0.16041 6.1513
"cpu-depth 64" 0.00017 0.11721 0.051265 0 6.2975
"cpu-depth 128" 3e-05 0.15296 0.049622 0 7.1038
"cpu-depth 256" 4e-05 0.19792 0.045875 0 7.1207
"cpu-depth 640" 4e-05 0.47062 0.077204 0 7.3534
"cpu-depth 256-triangles" 6e-05 0.22098 0.1662 0 7.1092
"cpu-depth 640-triangles" 4e-05 0.39392 0.25711 0 7.5171
"cpu-depth 256-2-threads" 4e-05 0.22031 0.043241 0 7.1207
"cpu-depth 640-2-threads" 3e-05 0.33211 0.049552 0 7.3534
"cpu-depth 256-outlines" 0.00013 0.31945 0.047629 0 7.3215
"gpu-hiz 640" 5.5373 0.47036 0.23925 0.16294 8.4088
"gpu-hiz 160" 2.0509 0.038311 0.014367 0.17837 7.8369
"occlusion-query stop-and-wait" 5.3402 13.264 0.040135 0 7.5171
"occlusion-query previous-frame" 0.059041 5.1604 12.261 0 6.7879
EOD
set terminal pngcairo size 1400,1140 font ',9'
set output 'frame-cost.png'
set multiplot layout 3,1 title 'Culled frame: the culling pass stage by stage, then drawing the survivors and occluders (medians)'
set style data histograms
set style histogram rowstacked
set style fill solid 0.85 border -1
set boxwidth 0.75
unset xlabel
set grid ytics
set xtics rotate by -35 font ',8'
set yrange [0:*]
set ylabel 'milliseconds'
set key outside right top vertical
set lmargin 9
set rmargin 22
set bmargin 9
set title 'fake camera at 180 degrees'
plot $cost180 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost180 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost180 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost180 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost180 using 6 lc rgb '#bbbbbb' title 'drawing', 8.7505 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
set title 'fake camera at 225 degrees'
plot $cost225 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost225 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost225 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost225 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost225 using 6 lc rgb '#bbbbbb' title 'drawing', 7.1495 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
set title 'fake camera at 270 degrees'
plot $cost270 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost270 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost270 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost270 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost270 using 6 lc rgb '#bbbbbb' title 'drawing', 8.2689 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
unset multiplot
