$pareto << EOD
0 "255" 1.4981 0.61426 82.739
0 "240" 1.3236 2.199 88.774
0 "200" 1.2954 6.2972 92.974
0 "150" 1.2749 6.3324 95.65
0 "100" 1.2647 6.36 97.62
0 "50" 1.2661 7.1231 99.545
0 "0" 1.257 7.255 100
1 "255" 0.95754 0.33097 38.156
1 "240" 0.96094 0.4002 38.204
1 "200" 0.94588 1.8139 39.095
1 "150" 0.93785 2.8609 39.483
1 "100" 0.94145 3.2305 39.845
1 "50" 0.93118 3.4166 39.941
1 "0" 0.93325 3.5596 40.028
2 "64" 0.167 0.2336 69.521
2 "128" 0.279 0.23852 67.937
2 "256" 0.40328 0 66.75
2 "640" 0.87655 0 65.228
3 "640" 6.7777 0 65.228
3 "160" 2.1233 0.14476 68.672
4 "stop-and-wait" 17.142 0 100
4 "previous-frame" 16.327 4.1409 82.667
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
set yrange [0:660]
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
set yrange [0:660]
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
set yrange [0:660]
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
set yrange [0:103]
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
set yrange [0:660]
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
set yrange [0:660]
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
"draw-all" 0 0 0 0 7.0652
"oracle" 0 0 0 0 4.9528
"oracle-occluders" 0 0 0 0 5.9286
"hom 255" 1.1668 0.12026 0.2583 0 6.0205
"hom 240" 0.98375 0.099969 0.24706 0 5.6456
"hom 200" 1.0371 0.091714 0.2548 0 4.3733
"hom 150" 1.0406 0.093025 0.25756 0 4.3733
"hom 100" 0.99841 0.090241 0.25332 0 4.6382
"hom 50" 0.99342 0.09009 0.25499 0 4.4164
"hom 0" 0.98382 0.088738 0.25402 0 4.4164
"hom-conservative 255" 0.77028 0.02635 0.043893 0.10053 6.1286
"hom-conservative 240" 0.88275 0.021341 0.04259 0.088597 6.1286
"hom-conservative 200" 0.87314 0.018325 0.041819 0.083397 6.1089
"hom-conservative 150" 0.83005 0.017845 0.04204 0.07953 5.5784
"hom-conservative 100" 0.86681 0.019087 0.041939 0.076965 4.9988
"hom-conservative 50" 0.81828 0.020138 0.04205 0.077266 4.9988
"hom-conservative 0" 0.85262 0.018346 0.040987 0.078538 4.9988
"cpu-depth 64" 0.10533 0.001854 0.044174 0 5.7599
"cpu-depth 128" 0.15918 0.002685 0.044144 0 6.1797
"cpu-depth 256" 0.25133 0.008035 0.044985 0 6.2132
"cpu-depth 640" 0.59493 0.064722 0.046959 0 6.7441
"gpu-hiz 640" 6.3821 0.38278 0.1632 0.11437 6.7441
"gpu-hiz 160" 2.1025 0.035878 0.009358 0.10378 6.0671
"occlusion-query stop-and-wait" 4.8698 10.219 0.051417 0 5.9286
"occlusion-query previous-frame" 0.055315 4.5095 10.547 0 5.5328
EOD
$cost225 << EOD
"draw-all" 0 0 0 0 8.2788
"oracle" 0 0 0 0 3.8715
"oracle-occluders" 0 0 0 0 4.6128
"hom 255" 1.2328 0.1105 0.26405 0 5.8955
"hom 240" 1.1446 0.095501 0.25952 0 5.4102
"hom 200" 1.0765 0.090239 0.25314 0 5.4102
"hom 150" 1.0598 0.089308 0.25454 0 5.4102
"hom 100" 1.032 0.087264 0.25666 0 5.4636
"hom 50" 1.0165 0.088757 0.25233 0 5.4636
"hom 0" 0.9918 0.087305 0.25735 0 4.5605
"hom-conservative 255" 0.82525 0.025668 0.043783 0.098256 6.7811
"hom-conservative 240" 0.91226 0.021169 0.042109 0.089619 6.7811
"hom-conservative 200" 0.9139 0.019287 0.042039 0.084018 8.2645
"hom-conservative 150" 0.88826 0.019387 0.041629 0.080732 8.2645
"hom-conservative 100" 0.92909 0.018905 0.041439 0.081704 6.8071
"hom-conservative 50" 0.89633 0.019127 0.041309 0.080441 6.5976
"hom-conservative 0" 0.88088 0.018555 0.041158 0.082926 6.852
"cpu-depth 64" 0.14157 0.001793 0.047629 0 5.7447
"cpu-depth 128" 0.2824 0.003255 0.048 0 6.3285
"cpu-depth 256" 0.41381 0.009117 0.048722 0 6.3016
"cpu-depth 640" 0.8975 0.075894 0.047159 0 5.7821
"gpu-hiz 640" 5.3564 0.39017 0.16898 0.093768 5.7821
"gpu-hiz 160" 2.5197 0.032931 0.010009 0.088297 5.9588
"occlusion-query stop-and-wait" 7.5478 11.529 0.050345 0 4.6128
"occlusion-query previous-frame" 0.060634 4.867 11.378 0 5.1817
EOD
$cost270 << EOD
"draw-all" 0 0 0 0 6.2207
"oracle" 0 0 0 0 4.3056
"oracle-occluders" 0 0 0 0 5.4621
"hom 255" 0.97207 0.10545 0.26596 0 7.1064
"hom 240" 0.7775 0.09038 0.25026 0 6.5263
"hom 200" 0.78767 0.086292 0.25379 0 3.9833
"hom 150" 0.85291 0.08494 0.25027 0 3.8151
"hom 100" 0.86581 0.08476 0.25044 0 3.8321
"hom 50" 0.85449 0.084259 0.25293 0 3.5899
"hom 0" 0.7416 0.083968 0.25664 0 3.5899
"hom-conservative 255" 0.62458 0.024287 0.04252 0.10125 5.1061
"hom-conservative 240" 0.70306 0.019947 0.041388 0.087405 5.1061
"hom-conservative 200" 0.73966 0.017924 0.040597 0.082265 5.0099
"hom-conservative 150" 0.70529 0.017403 0.040416 0.078117 4.632
"hom-conservative 100" 0.69154 0.017293 0.039815 0.075533 4.4964
"hom-conservative 50" 0.71482 0.017441 0.040367 0.073759 4.4964
"hom-conservative 0" 0.70681 0.016981 0.040075 0.076375 4.4964
"cpu-depth 64" 0.099618 0.001843 0.041648 0 5.2738
"cpu-depth 128" 0.15402 0.002714 0.043211 0 5.5678
"cpu-depth 256" 0.25466 0.009017 0.043142 0 5.671
"cpu-depth 640" 0.56986 0.081624 0.044704 0 6.1446
"gpu-hiz 640" 5.0229 0.3986 0.1586 0.092584 6.1446
"gpu-hiz 160" 1.8432 0.030868 0.009469 0.082306 5.5684
"occlusion-query stop-and-wait" 4.4071 10.661 0.045726 0 5.4621
"occlusion-query previous-frame" 0.047931 3.916 10.439 0 4.8522
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
plot $cost180 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost180 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost180 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost180 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost180 using 6 lc rgb '#bbbbbb' title 'drawing', 6.8179 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at 225 degrees'
plot $cost225 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost225 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost225 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost225 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost225 using 6 lc rgb '#bbbbbb' title 'drawing', 5.3048 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at 270 degrees'
plot $cost270 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost270 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost270 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost270 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost270 using 6 lc rgb '#bbbbbb' title 'drawing', 6.2814 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
unset multiplot
