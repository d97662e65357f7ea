$pareto << EOD
0 "255" 2.3656 3.5795 17.934
0 "240" 2.1076 4.9129 18.686
0 "200" 2.0552 5.7682 19.579
0 "150" 2.0012 6.9241 19.748
0 "100" 1.8357 7.1873 19.748
0 "50" 1.9103 7.1873 22.248
0 "0" 1.9214 7.1873 22.605
1 "255" 1.4402 0 0
1 "240" 1.4266 0 0
1 "200" 1.5068 0 0
1 "150" 1.5051 0 0
1 "100" 1.5137 0 0
1 "50" 1.4624 0 0
1 "0" 1.5298 0 0
2 "64" 0.49685 0 15.989
2 "128" 0.55345 0 15.364
2 "256" 0.66938 0 14.686
2 "640" 1.2238 0 14.381
3 "640" 11.989 0 14.381
3 "160" 3.5534 0 15.319
4 "stop-and-wait" 36.117 0 100
4 "previous-frame" 44.886 52.662 73.787
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
"draw-all" 0 0 0 0 45.351
"oracle" 0 0 0 0 21.532
"oracle-occluders" 0 0 0 0 27.063
"hom 255" 2.9851 0.054141 0.06438 0 32.039
"hom 240" 2.9285 0.04822 0.0643 0 24.811
"hom 200" 2.9766 0.048841 0.065021 0 18.17
"hom 150" 2.5063 0.039634 0.060503 0 18.17
"hom 100" 2.1156 0.033563 0.056816 0 18.17
"hom 50" 2.8739 0.038583 0.060743 0 18.17
"hom 0" 2.8623 0.053039 0.059932 0 18.17
"hom-conservative 255" 1.6469 0.025887 0.044803 0.024505 45.351
"hom-conservative 240" 1.6993 0.021821 0.045094 0.020569 45.351
"hom-conservative 200" 2.0446 0.019717 0.04838 0.020778 45.351
"hom-conservative 150" 1.7888 0.016281 0.031439 0.021119 45.351
"hom-conservative 100" 1.6822 0.014386 0.030667 0.020288 45.351
"hom-conservative 50" 1.8536 0.026109 0.053189 0.025157 45.351
"hom-conservative 0" 2.1192 0.020238 0.034344 0.022322 45.351
"cpu-depth 64" 0.68519 0.002665 0.014888 0 19.788
"cpu-depth 128" 0.58374 0.004638 0.011702 0 19.788
"cpu-depth 256" 0.79278 0.013565 0.016351 0 19.788
"cpu-depth 640" 1.2429 0.10396 0.015759 0 20.678
"gpu-hiz 640" 25.403 0.55322 0.28325 0.05907 20.678
"gpu-hiz 160" 5.573 0.062526 0.01619 0.056215 20.678
"occlusion-query stop-and-wait" 28.637 60.252 0.023364 0 27.063
"occlusion-query previous-frame" 0.01603 34.727 68.537 0 7.965
EOD
$cost3 << EOD
"draw-all" 0 0 0 0 23.936
"oracle" 0 0 0 0 4.1811
"oracle-occluders" 0 0 0 0 4.5408
"hom 255" 1.8225 0.030157 0.050765 0 12.385
"hom 240" 1.5958 0.022302 0.045134 0 12.385
"hom 200" 1.6461 0.020829 0.04308 0 12.385
"hom 150" 1.5934 0.02149 0.042459 0 12.385
"hom 100" 1.4974 0.019606 0.042369 0 12.385
"hom 50" 1.5061 0.018354 0.041186 0 12.385
"hom 0" 1.5195 0.018675 0.041216 0 12.385
"hom-conservative 255" 1.314 0.015378 0.032109 0.017613 23.936
"hom-conservative 240" 1.4227 0.014717 0.03228 0.017813 23.936
"hom-conservative 200" 1.2854 0.013805 0.029676 0.015739 23.936
"hom-conservative 150" 1.2709 0.013154 0.028293 0.015368 23.936
"hom-conservative 100" 1.2965 0.01639 0.050585 0.017002 23.936
"hom-conservative 50" 1.4638 0.01584 0.031358 0.017202 23.936
"hom-conservative 0" 1.2975 0.015159 0.030928 0.017452 23.936
"cpu-depth 64" 0.54068 0.002365 0.01104 0 13.563
"cpu-depth 128" 0.54048 0.005591 0.01127 0 13.563
"cpu-depth 256" 0.75348 0.017022 0.008897 0 13.563
"cpu-depth 640" 1.1534 0.097361 0.013455 0 16.894
"gpu-hiz 640" 10.302 0.48042 0.27192 0.050424 16.894
"gpu-hiz 160" 3.4131 0.038963 0.013515 0.039133 16.894
"occlusion-query stop-and-wait" 10.173 20.562 0.015178 0 4.1811
"occlusion-query previous-frame" 0.017062 12.913 26.057 0 5.2852
EOD
$cost6 << EOD
"draw-all" 0 0 0 0 21.303
"oracle" 0 0 0 0 12.405
"oracle-occluders" 0 0 0 0 13.593
"hom 255" 2.3328 0.039524 0.050514 0 21.303
"hom 240" 2.3427 0.037078 0.061585 0 21.303
"hom 200" 2.2851 0.03259 0.05927 0 21.303
"hom 150" 2.2817 0.030697 0.04817 0 19.991
"hom 100" 1.9426 0.023163 0.044312 0 19.991
"hom 50" 1.5399 0.024987 0.047058 0 19.991
"hom 0" 1.6453 0.024435 0.043831 0 19.991
"hom-conservative 255" 1.3458 0.020709 0.033562 0.020128 21.303
"hom-conservative 240" 1.3599 0.018825 0.030246 0.018494 21.303
"hom-conservative 200" 1.7104 0.0217 0.041157 0.019466 21.303
"hom-conservative 150" 1.7115 0.022101 0.042359 0.022111 21.303
"hom-conservative 100" 1.9471 0.020198 0.039213 0.018003 21.303
"hom-conservative 50" 1.226 0.014157 0.040756 0.017193 21.303
"hom-conservative 0" 1.5708 0.024156 0.030437 0.017072 21.303
"cpu-depth 64" 0.54761 0.002395 0.009517 0 21.303
"cpu-depth 128" 0.6266 0.005661 0.012513 0 21.303
"cpu-depth 256" 0.68651 0.014737 0.009137 0 21.303
"cpu-depth 640" 1.1449 0.089998 0.01017 0 21.303
"gpu-hiz 640" 12.65 0.83174 0.27037 0.054772 21.303
"gpu-hiz 160" 4.7192 0.062547 0.015679 0.046987 21.303
"occlusion-query stop-and-wait" 12.936 22.226 0.019727 0 13.593
"occlusion-query previous-frame" 0.017623 13.438 28.013 0 3.9257
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
plot $cost0 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost0 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost0 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost0 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost0 using 6 lc rgb '#bbbbbb' title 'drawing', 31.122 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at viewpoint 3'
plot $cost3 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost3 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost3 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost3 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost3 using 6 lc rgb '#bbbbbb' title 'drawing', 5.2219 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at viewpoint 6'
plot $cost6 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost6 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost6 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost6 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost6 using 6 lc rgb '#bbbbbb' title 'drawing', 15.632 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
unset multiplot
