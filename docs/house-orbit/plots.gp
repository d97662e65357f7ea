$pareto << EOD
0 "255" 1.8744 14.455 40.792
0 "240" 1.6633 14.79 42.438
0 "200" 1.6123 15.315 46.956
0 "150" 1.6096 15.407 51.921
0 "100" 1.5973 15.407 53.581
0 "50" 1.5958 15.407 55.008
0 "0" 1.5733 15.407 56.306
1 "255" 1.2416 0 0
1 "240" 1.2254 0 0
1 "200" 1.2097 0 0
1 "150" 1.1907 0 0
1 "100" 1.1929 0 0
1 "50" 1.1843 0 0
1 "0" 1.1743 0 0
2 "64" 0.3963 0 30.26
2 "128" 0.50626 0 28.099
2 "256" 0.64413 0 27.029
2 "640" 1.1002 0 27.003
3 "640" 7.4637 0 27.021
3 "160" 2.7062 0 28.274
4 "stop-and-wait" 23.032 0 100
4 "previous-frame" 24.11 3.4455 97.941
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
set multiplot title 'Occludees culled (top, of 110) and falsely culled (bottom, own axis) by fake camera angle'
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
set yrange [0:114]
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
set yrange [0:8]
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
set yrange [0:114]
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
set yrange [0:8]
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
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '640'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:8]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '640'
set lmargin at screen 0.63579
set rmargin at screen 0.79579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'gpu-hiz'
set xlabel ''
set format x ''
set yrange [0:114]
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
set yrange [0:8]
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
set yrange [0:114]
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
set yrange [0:8]
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
$cost0 << EOD
"draw-all" 0 0 0 0 11.102
"oracle" 0 0 0 0 2.5716
"oracle-occluders" 0 0 0 0 2.5792
"hom 255" 1.848 0.050674 0.081442 0 4.3139
"hom 240" 1.601 0.035165 0.063849 0 4.3139
"hom 200" 1.2202 0.035316 0.071644 0 3.9151
"hom 150" 1.62 0.035807 0.079238 0 4.1994
"hom 100" 1.5535 0.034134 0.076402 0 2.9832
"hom 50" 1.5029 0.033763 0.067415 0 2.9832
"hom 0" 1.5131 0.034044 0.064901 0 2.9832
"hom-conservative 255" 1.1783 0.018635 0.018876 0.035135 11.102
"hom-conservative 240" 1.2799 0.019996 0.020939 0.031669 11.102
"hom-conservative 200" 1.1288 0.020538 0.02124 0.031047 11.102
"hom-conservative 150" 1.0936 0.016982 0.018364 0.029185 11.102
"hom-conservative 100" 1.2764 0.02126 0.018855 0.02687 11.102
"hom-conservative 50" 1.0904 0.015799 0.018704 0.024566 11.102
"hom-conservative 0" 1.2155 0.015278 0.017803 0.026479 11.102
"cpu-depth 64" 0.33084 0.002565 0.012503 0 5.3446
"cpu-depth 128" 0.41125 0.005501 0.013565 0 5.3856
"cpu-depth 256" 0.46691 0.019507 0.012413 0 5.1176
"cpu-depth 640" 0.75319 0.1397 0.019256 0 5.3894
"gpu-hiz 640" 6.1677 0.45495 0.25595 0.054021 5.3894
"gpu-hiz 160" 2.4474 0.05913 0.014917 0.045625 6.5304
"occlusion-query stop-and-wait" 6.0339 18.793 0.0158 0 2.5792
"occlusion-query previous-frame" 0.017382 5.0542 13.981 0 2.5792
EOD
$cost120 << EOD
"draw-all" 0 0 0 0 13.176
"oracle" 0 0 0 0 2.2054
"oracle-occluders" 0 0 0 0 3.6413
"hom 255" 1.6883 0.052498 0.080179 0 7.1062
"hom 240" 1.5632 0.038071 0.073657 0 7.1062
"hom 200" 1.7333 0.039354 0.075 0 2.6564
"hom 150" 1.6145 0.037039 0.07528 0 2.6564
"hom 100" 1.6269 0.034604 0.077765 0 2.6351
"hom 50" 1.5145 0.031078 0.058399 0 2.6519
"hom 0" 1.2193 0.030036 0.06431 0 2.6519
"hom-conservative 255" 1.4254 0.021381 0.022612 0.034594 13.176
"hom-conservative 240" 1.2852 0.01631 0.016411 0.026119 13.176
"hom-conservative 200" 0.92612 0.014327 0.016161 0.022923 13.176
"hom-conservative 150" 0.83489 0.013806 0.014537 0.024656 13.176
"hom-conservative 100" 0.82528 0.013194 0.017232 0.025047 13.176
"hom-conservative 50" 1.287 0.014207 0.017653 0.026209 13.176
"hom-conservative 0" 1.0346 0.014697 0.019616 0.025838 13.176
"cpu-depth 64" 0.4644 0.002204 0.012213 0 6.8589
"cpu-depth 128" 0.54249 0.00545 0.014757 0 7.9788
"cpu-depth 256" 0.75196 0.023995 0.017402 0 7.9788
"cpu-depth 640" 1.1179 0.16211 0.021059 0 8.2439
"gpu-hiz 640" 6.6986 0.82418 0.27144 0.055233 8.2439
"gpu-hiz 160" 2.9434 0.060664 0.01587 0.043872 7.2138
"occlusion-query stop-and-wait" 6.8533 18.562 0.013785 0 3.6413
"occlusion-query previous-frame" 0.020489 6.2656 16.645 0 2.8216
EOD
$cost240 << EOD
"draw-all" 0 0 0 0 12.638
"oracle" 0 0 0 0 3.7251
"oracle-occluders" 0 0 0 0 3.2832
"hom 255" 1.587 0.054641 0.077284 0 6.9765
"hom 240" 1.7364 0.041919 0.074298 0 6.9765
"hom 200" 1.6197 0.042219 0.068167 0 3.8711
"hom 150" 1.7293 0.039975 0.074519 0 3.8711
"hom 100" 1.755 0.038051 0.073387 0 3.674
"hom 50" 1.2781 0.029595 0.058779 0 2.7069
"hom 0" 1.2304 0.035175 0.075641 0 2.6642
"hom-conservative 255" 1.0163 0.019557 0.018705 0.028843 12.638
"hom-conservative 240" 0.9682 0.016461 0.016641 0.027481 12.638
"hom-conservative 200" 0.96681 0.014046 0.016982 0.03189 12.638
"hom-conservative 150" 0.92357 0.014077 0.017252 0.024385 12.638
"hom-conservative 100" 0.92808 0.014817 0.015529 0.022201 12.638
"hom-conservative 50" 1.064 0.015218 0.018995 0.023724 12.638
"hom-conservative 0" 1.0339 0.014767 0.019907 0.025688 12.638
"cpu-depth 64" 0.29066 0.002545 0.016551 0 9.8799
"cpu-depth 128" 0.4261 0.006953 0.012243 0 10.389
"cpu-depth 256" 0.66192 0.027081 0.018003 0 10.389
"cpu-depth 640" 0.95519 0.15107 0.020929 0 9.4208
"gpu-hiz 640" 7.5541 0.50404 0.27761 0.055223 9.4208
"gpu-hiz 160" 2.6429 0.059741 0.015378 0.045956 9.8537
"occlusion-query stop-and-wait" 7.389 19.311 0.017542 0 3.2832
"occlusion-query previous-frame" 0.019176 5.8143 19.784 0 3.7962
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
set title 'fake camera at 0 degrees'
plot $cost0 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost0 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost0 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost0 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost0 using 6 lc rgb '#bbbbbb' title 'drawing', 2.966 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at 120 degrees'
plot $cost120 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost120 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost120 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost120 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost120 using 6 lc rgb '#bbbbbb' title 'drawing', 4.1875 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at 240 degrees'
plot $cost240 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost240 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost240 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost240 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost240 using 6 lc rgb '#bbbbbb' title 'drawing', 3.7756 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
unset multiplot
