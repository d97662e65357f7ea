$pareto << EOD
0 "255" 2.5027 3.5795 17.934
0 "240" 2.3514 4.9129 18.686
0 "200" 2.2662 5.7682 19.579
0 "150" 2.2867 6.9241 19.748
0 "100" 2.2583 7.1873 19.748
0 "50" 2.2686 7.1873 22.248
0 "0" 2.2643 7.1873 22.605
1 "255" 1.8588 0 0
1 "240" 1.8588 0 0
1 "200" 1.8282 0 0
1 "150" 1.8063 0 0
1 "100" 1.7985 0 0
1 "50" 1.8386 0 0
1 "0" 1.8138 0 0
2 "64" 0.60069 0 15.989
2 "128" 0.67579 0 15.364
2 "256" 0.82271 0 14.686
2 "640" 1.5016 0 14.381
3 "640" 12.741 0 14.381
3 "160" 4.1379 0 15.319
4 "stop-and-wait" 34.543 0 100
4 "previous-frame" 34.97 52.662 73.787
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
set multiplot title 'Occludees culled (top, of 110) and falsely culled (bottom, own axis) by fake camera viewpoint'
set xrange [0:9]
set grid
set key inside top left vertical opaque font ',7' samplen 1.5 spacing 0.85
set lmargin at screen 0.035789
set rmargin at screen 0.19579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'hom'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel 'occludees'
plot 'results.csv' using 'view':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'view':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '255' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '240' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '200' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '150' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '100' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '50' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '0' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '0'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'viewpoint'
set format x '%g'
set yrange [0:33]
set ylabel 'false culls'
plot 'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '255' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '240' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '200' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '150' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '100' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '50' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '0' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '0'
set lmargin at screen 0.23579
set rmargin at screen 0.39579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'hom-conservative'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'view':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '255' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '240' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '200' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '150' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '100' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '50' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '0' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '0'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'viewpoint'
set format x '%g'
set yrange [0:33]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '255' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '240' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '200' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '150' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '100' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '50' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '0' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '0'
set lmargin at screen 0.43579
set rmargin at screen 0.59579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'cpu-depth'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'view':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '640'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'viewpoint'
set format x '%g'
set yrange [0:33]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '640'
set lmargin at screen 0.63579
set rmargin at screen 0.79579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'gpu-hiz'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'view':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'view':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '640', \
     'results.csv' using 'view':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '160' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '160'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'viewpoint'
set format x '%g'
set yrange [0:33]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '640', \
     'results.csv' using 'view':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '160' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '160'
set lmargin at screen 0.83579
set rmargin at screen 0.99579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'occlusion-query'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'view':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'view':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'stop-and-wait' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title 'stop-and-wait', \
     'results.csv' using 'view':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'previous-frame' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title 'previous-frame'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'viewpoint'
set format x '%g'
set yrange [0:33]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'stop-and-wait' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title 'stop-and-wait', \
     'results.csv' using 'view':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'previous-frame' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title 'previous-frame'
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
$cost0 << EOD
"draw-all" 0 0 0 0 23.419
"oracle" 0 0 0 0 17.084
"oracle-occluders" 0 0 0 0 17.934
"hom 255" 3.1169 0.055815 0.08609 0 20.285
"hom 240" 2.9316 0.045614 0.083646 0 19.695
"hom 200" 2.9475 0.046066 0.078246 0 19.236
"hom 150" 2.9143 0.041057 0.0751 0 19.236
"hom 100" 2.855 0.040305 0.07487 0 19.236
"hom 50" 2.9224 0.039814 0.076262 0 19.236
"hom 0" 2.8524 0.041437 0.077023 0 19.236
"hom-conservative 255" 2.6007 0.026009 0.05393 0.032881 23.419
"hom-conservative 240" 2.5266 0.022431 0.053319 0.032471 23.419
"hom-conservative 200" 2.4734 0.018684 0.051195 0.028834 23.419
"hom-conservative 150" 2.5098 0.018785 0.051376 0.029354 23.419
"hom-conservative 100" 2.5606 0.022502 0.0534 0.029585 23.419
"hom-conservative 50" 2.5214 0.02136 0.052177 0.028644 23.419
"hom-conservative 0" 2.6251 0.020829 0.054111 0.028784 23.419
"cpu-depth 64" 0.72538 0.002705 0.016701 0 21.45
"cpu-depth 128" 0.80678 0.004508 0.015669 0 21.45
"cpu-depth 256" 1.0052 0.015219 0.01646 0 21.45
"cpu-depth 640" 1.747 0.097511 0.020078 0 21.895
"gpu-hiz 640" 16.305 0.89287 0.32901 0.060573 21.895
"gpu-hiz 160" 6.1097 0.061835 0.017863 0.052197 21.895
"occlusion-query stop-and-wait" 17.183 37.555 0.02161 0 17.934
"occlusion-query previous-frame" 0.012093 19.678 34.239 0 7.3243
EOD
$cost3 << EOD
"draw-all" 0 0 0 0 18.141
"oracle" 0 0 0 0 5.2358
"oracle-occluders" 0 0 0 0 5.1848
"hom 255" 2.6175 0.040155 0.067065 0 17.173
"hom 240" 2.4901 0.03259 0.066133 0 17.173
"hom 200" 2.4421 0.033703 0.065913 0 17.173
"hom 150" 2.4168 0.031469 0.06457 0 17.173
"hom 100" 2.4334 0.028383 0.062557 0 17.173
"hom 50" 2.4794 0.03249 0.063328 0 17.173
"hom 0" 2.5244 0.030126 0.063598 0 17.173
"hom-conservative 255" 1.9943 0.022953 0.058179 0.025468 18.141
"hom-conservative 240" 1.934 0.020548 0.055293 0.025638 18.141
"hom-conservative 200" 2.0292 0.019717 0.056856 0.024525 18.141
"hom-conservative 150" 1.9211 0.019556 0.055063 0.022652 18.141
"hom-conservative 100" 1.9103 0.017883 0.055944 0.023284 18.141
"hom-conservative 50" 1.8863 0.017131 0.054031 0.022853 18.141
"hom-conservative 0" 1.9259 0.017973 0.055754 0.022662 18.141
"cpu-depth 64" 0.66186 0.002815 0.015018 0 15.557
"cpu-depth 128" 0.6939 0.00572 0.012083 0 15.557
"cpu-depth 256" 0.81999 0.017403 0.011932 0 15.557
"cpu-depth 640" 1.3912 0.10382 0.016059 0 15.174
"gpu-hiz 640" 14.545 0.85512 0.2646 0.055373 15.174
"gpu-hiz 160" 5.0059 0.067646 0.017803 0.047128 15.174
"occlusion-query stop-and-wait" 13.588 22.826 0.018083 0 5.2358
"occlusion-query previous-frame" 0.019236 14.603 23.165 0 6.2079
EOD
$cost6 << EOD
"draw-all" 0 0 0 0 17.599
"oracle" 0 0 0 0 13.176
"oracle-occluders" 0 0 0 0 13.946
"hom 255" 2.4861 0.041097 0.065433 0 17.599
"hom 240" 2.2607 0.034173 0.062957 0 17.599
"hom 200" 2.2713 0.034204 0.061675 0 17.599
"hom 150" 2.3337 0.033914 0.063338 0 16.082
"hom 100" 2.2578 0.034575 0.061905 0 16.082
"hom 50" 2.4098 0.032781 0.063459 0 16.082
"hom 0" 2.4647 0.031358 0.059741 0 16.082
"hom-conservative 255" 1.8303 0.024205 0.050765 0.026129 17.599
"hom-conservative 240" 1.932 0.023974 0.052468 0.025998 17.599
"hom-conservative 200" 1.9172 0.022614 0.051976 0.023404 17.599
"hom-conservative 150" 1.8677 0.019156 0.0482 0.022763 17.599
"hom-conservative 100" 1.7918 0.019386 0.050074 0.022221 17.599
"hom-conservative 50" 1.8993 0.023244 0.053219 0.024996 17.599
"hom-conservative 0" 1.9011 0.017762 0.052808 0.0214 17.599
"cpu-depth 64" 0.66976 0.002174 0.014127 0 17.599
"cpu-depth 128" 0.75805 0.00523 0.012173 0 17.599
"cpu-depth 256" 0.90582 0.017492 0.014026 0 17.599
"cpu-depth 640" 1.6703 0.10427 0.018545 0 17.599
"gpu-hiz 640" 14.281 0.76553 0.30573 0.052628 17.599
"gpu-hiz 160" 4.581 0.068118 0.018915 0.048651 17.599
"occlusion-query stop-and-wait" 13.497 21.905 0.017092 0 13.946
"occlusion-query previous-frame" 0.018645 13.753 21.949 0 2.7217
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
set title 'fake camera at viewpoint 0'
plot $cost0 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost0 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost0 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost0 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost0 using 6 lc rgb '#bbbbbb' title 'drawing', 20.624 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at viewpoint 3'
plot $cost3 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost3 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost3 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost3 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost3 using 6 lc rgb '#bbbbbb' title 'drawing', 5.9625 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at viewpoint 6'
plot $cost6 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost6 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost6 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost6 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost6 using 6 lc rgb '#bbbbbb' title 'drawing', 16.038 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
unset multiplot
