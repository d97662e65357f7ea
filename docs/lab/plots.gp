$pareto << EOD
0 "255" 1.6267 0.61426 82.739
0 "240" 1.3617 2.199 88.774
0 "200" 1.2978 6.2972 92.974
0 "150" 1.2771 6.3324 95.65
0 "100" 1.3012 6.36 97.62
0 "50" 1.2625 7.1231 99.545
0 "0" 1.2475 7.255 100
1 "255" 0.91022 0.33097 38.156
1 "240" 0.87757 0.4002 38.204
1 "200" 0.86937 1.8139 39.095
1 "150" 0.85978 2.8609 39.483
1 "100" 0.85333 3.2305 39.845
1 "50" 0.84117 3.4166 39.941
1 "0" 0.8466 3.5596 40.028
2 "64" 0.16832 0.2336 69.521
2 "128" 0.25174 0.23852 67.937
2 "256" 0.4166 0 66.75
2 "640" 1.123 0 65.228
3 "640" 9.9425 0 65.228
3 "160" 2.3176 0.14476 68.672
4 "stop-and-wait" 32.281 0 100
4 "previous-frame" 33.046 4.1409 82.667
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
"draw-all" 0 0 0 0 12.53
"oracle" 0 0 0 0 7.3198
"oracle-occluders" 0 0 0 0 9.3002
"hom 255" 1.1724 0.17182 0.30756 0 9.9657
"hom 240" 1.1247 0.10677 0.27608 0 9.7737
"hom 200" 1.0178 0.1049 0.27827 0 7.5403
"hom 150" 0.961 0.10035 0.26367 0 7.5403
"hom 100" 0.89732 0.094979 0.26757 0 7.0169
"hom 50" 0.86485 0.093677 0.26403 0 6.3032
"hom 0" 0.89948 0.10571 0.29129 0 6.3032
"hom-conservative 255" 0.76194 0.018754 0.044604 0.10711 9.7162
"hom-conservative 240" 0.70768 0.013416 0.045005 0.10021 9.7162
"hom-conservative 200" 0.69761 0.012234 0.044033 0.088276 9.257
"hom-conservative 150" 0.80582 0.012174 0.045796 0.089789 8.7448
"hom-conservative 100" 0.79906 0.012082 0.045196 0.088226 8.4782
"hom-conservative 50" 0.81961 0.012654 0.043372 0.083958 8.4782
"hom-conservative 0" 0.75848 0.01005 0.058691 0.097203 8.4782
"cpu-depth 64" 0.12629 0.002214 0.043432 0 9.8506
"cpu-depth 128" 0.19058 0.004019 0.050165 0 10.262
"cpu-depth 256" 0.30861 0.0105 0.059423 0 10.843
"cpu-depth 640" 1.1216 0.14575 0.064782 0 11.306
"gpu-hiz 640" 8.0079 0.45718 0.27725 0.13018 11.306
"gpu-hiz 160" 2.1859 0.035296 0.012534 0.11987 10.488
"occlusion-query stop-and-wait" 7.209 18.118 0.045336 0 9.3002
"occlusion-query previous-frame" 0.098005 7.1944 16.824 0 9.2775
EOD
$cost225 << EOD
"draw-all" 0 0 0 0 8.4396
"oracle" 0 0 0 0 4.6925
"oracle-occluders" 0 0 0 0 5.279
"hom 255" 1.3904 0.098756 0.25642 0 5.9786
"hom 240" 1.2563 0.10245 0.26979 0 5.5185
"hom 200" 1.2797 0.11081 0.30586 0 5.5185
"hom 150" 1.3106 0.11333 0.33014 0 5.5185
"hom 100" 1.3783 0.11399 0.31405 0 5.1677
"hom 50" 1.402 0.10981 0.30877 0 5.1677
"hom 0" 1.2826 0.10923 0.30901 0 5.0374
"hom-conservative 255" 1.1942 0.040817 0.059212 0.13283 6.8061
"hom-conservative 240" 1.1028 0.032721 0.05884 0.121 6.8061
"hom-conservative 200" 1.2538 0.032843 0.060244 0.12268 6.8983
"hom-conservative 150" 1.2956 0.035816 0.061006 0.12032 6.8983
"hom-conservative 100" 1.2536 0.034073 0.060535 0.11753 6.8166
"hom-conservative 50" 1.2421 0.024126 0.059592 0.11606 6.753
"hom-conservative 0" 1.043 0.035175 0.054293 0.11894 6.7601
"cpu-depth 64" 0.19181 0.002164 0.058801 0 6.3947
"cpu-depth 128" 0.33567 0.004438 0.05845 0 6.3094
"cpu-depth 256" 0.59232 0.01619 0.061176 0 6.3706
"cpu-depth 640" 1.5036 0.083086 0.068159 0 5.9229
"gpu-hiz 640" 8.2205 0.581 0.20586 0.12563 5.9229
"gpu-hiz 160" 2.7738 0.053412 0.014086 0.13003 5.8008
"occlusion-query stop-and-wait" 6.1792 15.471 0.066265 0 5.279
"occlusion-query previous-frame" 0.085101 6.2787 12.241 0 5.1168
EOD
$cost270 << EOD
"draw-all" 0 0 0 0 6.6397
"oracle" 0 0 0 0 4.3951
"oracle-occluders" 0 0 0 0 5.4212
"hom 255" 1.1038 0.12323 0.28867 0 5.8491
"hom 240" 0.98634 0.093306 0.25418 0 5.5642
"hom 200" 0.93469 0.089489 0.25261 0 4.3158
"hom 150" 0.9352 0.087545 0.27153 0 4.1701
"hom 100" 0.92521 0.092725 0.26513 0 4.3036
"hom 50" 0.91969 0.088287 0.26696 0 4.1098
"hom 0" 0.86216 0.087675 0.27983 0 4.1098
"hom-conservative 255" 0.76039 0.027721 0.045146 0.10751 5.7006
"hom-conservative 240" 0.78652 0.022472 0.043702 0.095471 5.7006
"hom-conservative 200" 0.76846 0.019908 0.043994 0.088247 5.3587
"hom-conservative 150" 0.78281 0.018916 0.044584 0.082005 4.9989
"hom-conservative 100" 0.76347 0.020378 0.04206 0.080212 4.8438
"hom-conservative 50" 0.77094 0.019166 0.0424 0.077796 4.8438
"hom-conservative 0" 0.75356 0.018785 0.042029 0.078919 4.8438
"cpu-depth 64" 0.11281 0.002075 0.041729 0 5.7489
"cpu-depth 128" 0.16678 0.003126 0.043843 0 6.1059
"cpu-depth 256" 0.28505 0.0105 0.04724 0 6.2784
"cpu-depth 640" 0.74575 0.11261 0.050315 0 6.5984
"gpu-hiz 640" 6.2989 0.43237 0.1712 0.11509 6.5984
"gpu-hiz 160" 1.9198 0.034375 0.013465 0.098054 6.1123
"occlusion-query stop-and-wait" 4.8649 11.812 0.062467 0 5.4212
"occlusion-query previous-frame" 0.10375 4.3055 11.378 0 5.2792
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
plot $cost180 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost180 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost180 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost180 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost180 using 6 lc rgb '#bbbbbb' title 'drawing', 10.695 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at 225 degrees'
plot $cost225 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost225 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost225 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost225 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost225 using 6 lc rgb '#bbbbbb' title 'drawing', 6.0708 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at 270 degrees'
plot $cost270 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost270 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost270 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost270 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost270 using 6 lc rgb '#bbbbbb' title 'drawing', 6.2344 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
unset multiplot
