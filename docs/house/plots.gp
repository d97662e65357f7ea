$pareto << EOD
0 "255" 2.1779 3.5795 17.934
0 "240" 2.0111 4.9129 18.686
0 "200" 1.9133 5.7682 19.579
0 "150" 2.1944 6.9241 19.748
0 "100" 1.8016 7.1873 19.748
0 "50" 1.9396 7.1873 22.248
0 "0" 1.8593 7.1873 22.605
1 "255" 1.3876 0 0
1 "240" 1.6329 0 0
1 "200" 1.4453 0 0
1 "150" 1.398 0 0
1 "100" 1.45 0 0
1 "50" 1.4376 0 0
1 "0" 1.5859 0 0
2 "64" 0.49491 0 15.989
2 "128" 0.54908 0 15.364
2 "256" 0.66354 0 14.686
2 "640" 1.2277 0 14.381
3 "640" 13.15 0 14.381
3 "160" 4.1772 0 15.319
4 "stop-and-wait" 35.916 0 100
4 "previous-frame" 36.433 52.662 73.787
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
"draw-all" 0 0 0 0 28.508
"oracle" 0 0 0 0 20.167
"oracle-occluders" 0 0 0 0 27.443
"hom 255" 3.1618 0.056415 0.085158 0 27.876
"hom 240" 3.1069 0.039945 0.078697 0 22.905
"hom 200" 3.2074 0.039714 0.078686 0 23.923
"hom 150" 2.796 0.038892 0.076983 0 23.923
"hom 100" 2.5352 0.033242 0.060243 0 23.923
"hom 50" 2.8921 0.040545 0.071844 0 23.923
"hom 0" 2.3802 0.034344 0.060713 0 23.923
"hom-conservative 255" 2.2242 0.024856 0.04822 0.028633 28.508
"hom-conservative 240" 2.2679 0.022672 0.051747 0.027962 28.508
"hom-conservative 200" 1.8294 0.019086 0.051697 0.024174 28.508
"hom-conservative 150" 1.7913 0.016039 0.029726 0.020458 28.508
"hom-conservative 100" 1.7269 0.015709 0.029495 0.018815 28.508
"hom-conservative 50" 1.6677 0.014096 0.028313 0.019997 28.508
"hom-conservative 0" 2.0721 0.015028 0.036768 0.023864 28.508
"cpu-depth 64" 0.52748 0.001953 0.011151 0 25.29
"cpu-depth 128" 0.58351 0.003656 0.012473 0 25.29
"cpu-depth 256" 0.8484 0.012363 0.012584 0 25.29
"cpu-depth 640" 1.2589 0.10515 0.01093 0 27.001
"gpu-hiz 640" 20.069 0.72321 0.25501 0.058219 27.001
"gpu-hiz 160" 6.1464 0.040866 0.013805 0.046346 27.001
"occlusion-query stop-and-wait" 16.13 34.206 0.017292 0 27.443
"occlusion-query previous-frame" 0.017262 19.89 38.159 0 7.1263
EOD
$cost3 << EOD
"draw-all" 0 0 0 0 15.776
"oracle" 0 0 0 0 5.1421
"oracle-occluders" 0 0 0 0 4.3224
"hom 255" 1.8932 0.028723 0.050755 0 16.022
"hom 240" 1.794 0.024586 0.045985 0 16.022
"hom 200" 1.9906 0.0213 0.045775 0 16.022
"hom 150" 1.6516 0.019937 0.04313 0 16.022
"hom 100" 1.5714 0.020679 0.046707 0 16.022
"hom 50" 2.2779 0.023423 0.044794 0 16.022
"hom 0" 1.8097 0.027492 0.046827 0 16.022
"hom-conservative 255" 1.494 0.019516 0.035987 0.022291 15.776
"hom-conservative 240" 1.433 0.015069 0.03228 0.017162 15.776
"hom-conservative 200" 1.3445 0.015619 0.030587 0.016701 15.776
"hom-conservative 150" 1.2973 0.013666 0.030226 0.015619 15.776
"hom-conservative 100" 1.3422 0.014918 0.030757 0.015789 15.776
"hom-conservative 50" 1.751 0.020067 0.034695 0.018033 15.776
"hom-conservative 0" 2.0293 0.018736 0.036088 0.019055 15.776
"cpu-depth 64" 0.49967 0.002194 0.011041 0 13.9
"cpu-depth 128" 0.66787 0.004869 0.01117 0 13.9
"cpu-depth 256" 0.62453 0.013665 0.009247 0 13.9
"cpu-depth 640" 1.1119 0.095217 0.011281 0 15.895
"gpu-hiz 640" 15.023 0.63608 0.24268 0.056546 15.895
"gpu-hiz 160" 5.3413 0.045445 0.014086 0.044423 15.895
"occlusion-query stop-and-wait" 13.372 23.335 0.017082 0 5.1421
"occlusion-query previous-frame" 0.017533 14.297 22.823 0 6.5296
EOD
$cost6 << EOD
"draw-all" 0 0 0 0 18.559
"oracle" 0 0 0 0 14.905
"oracle-occluders" 0 0 0 0 16.519
"hom 255" 1.8655 0.038522 0.057628 0 18.559
"hom 240" 1.9353 0.023574 0.042239 0 18.559
"hom 200" 2.0324 0.02152 0.043992 0 18.559
"hom 150" 1.5706 0.018134 0.040004 0 15.469
"hom 100" 1.5251 0.022823 0.044633 0 15.469
"hom 50" 1.6161 0.020018 0.042309 0 15.469
"hom 0" 3.4928 0.024135 0.044172 0 15.469
"hom-conservative 255" 1.2236 0.01608 0.028834 0.01621 18.559
"hom-conservative 240" 1.3093 0.015077 0.02668 0.014587 18.559
"hom-conservative 200" 1.7292 0.016211 0.029916 0.015979 18.559
"hom-conservative 150" 1.7212 0.017753 0.042169 0.017853 18.559
"hom-conservative 100" 1.4363 0.015358 0.027621 0.015258 18.559
"hom-conservative 50" 1.3398 0.015268 0.026299 0.018625 18.559
"hom-conservative 0" 1.6412 0.017362 0.050244 0.018014 18.559
"cpu-depth 64" 0.61555 0.001833 0.008766 0 18.559
"cpu-depth 128" 0.59964 0.003246 0.007464 0 18.559
"cpu-depth 256" 0.83301 0.013024 0.008806 0 18.559
"cpu-depth 640" 1.4766 0.10727 0.014978 0 18.559
"gpu-hiz 640" 15.359 0.4929 0.22125 0.052017 18.559
"gpu-hiz 160" 4.9613 0.044162 0.013465 0.041928 18.559
"occlusion-query stop-and-wait" 17.543 23.974 0.015349 0 16.519
"occlusion-query previous-frame" 0.016009 12.837 21.361 0 2.1005
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
plot $cost0 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost0 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost0 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost0 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost0 using 6 lc rgb '#bbbbbb' title 'drawing', 31.56 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at viewpoint 3'
plot $cost3 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost3 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost3 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost3 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost3 using 6 lc rgb '#bbbbbb' title 'drawing', 4.9708 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at viewpoint 6'
plot $cost6 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost6 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost6 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost6 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost6 using 6 lc rgb '#bbbbbb' title 'drawing', 18.997 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
unset multiplot
