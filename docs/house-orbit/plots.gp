$pareto << EOD
0 "255" 1.7844 14.455 40.792
0 "240" 1.6056 14.79 42.438
0 "200" 1.5533 15.315 46.956
0 "150" 1.5339 15.407 51.921
0 "100" 1.5457 15.407 53.581
0 "50" 1.5811 15.407 55.008
0 "0" 1.5296 15.407 56.306
1 "255" 1.1549 0 0
1 "240" 1.1148 0 0
1 "200" 1.1052 0 0
1 "150" 1.1301 0 0
1 "100" 1.1648 0 0
1 "50" 1.1498 0 0
1 "0" 1.1229 0 0
2 "64" 0.37722 0 30.26
2 "128" 0.47756 0 28.099
2 "256" 0.60756 0 27.029
2 "640" 1.027 0 27.003
3 "640" 8.3737 0 27.021
3 "160" 2.8203 0 28.274
4 "stop-and-wait" 24.674 0 100
4 "previous-frame" 25.717 3.4455 97.941
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
"draw-all" 0 0 0 0 18.069
"oracle" 0 0 0 0 2.056
"oracle-occluders" 0 0 0 0 2.8526
"hom 255" 1.3719 0.045675 0.081603 0 5.3137
"hom 240" 1.6873 0.038402 0.077685 0 5.3137
"hom 200" 1.7073 0.036448 0.076944 0 3.9378
"hom 150" 1.654 0.030467 0.073337 0 3.7503
"hom 100" 1.7816 0.034625 0.077053 0 3.2368
"hom 50" 1.1545 0.027792 0.072455 0 3.2368
"hom 0" 1.3752 0.034333 0.076412 0 3.2368
"hom-conservative 255" 1.3022 0.02682 0.020999 0.036448 18.069
"hom-conservative 240" 1.2061 0.017873 0.019577 0.033151 18.069
"hom-conservative 200" 1.0647 0.016811 0.018484 0.028733 18.069
"hom-conservative 150" 1.3308 0.019716 0.020919 0.030717 18.069
"hom-conservative 100" 1.3001 0.015649 0.018925 0.024766 18.069
"hom-conservative 50" 1.2494 0.014657 0.018475 0.026709 18.069
"hom-conservative 0" 1.2629 0.01669 0.018775 0.026139 18.069
"cpu-depth 64" 0.39751 0.002404 0.014967 0 5.0719
"cpu-depth 128" 0.54332 0.007244 0.015179 0 9.4971
"cpu-depth 256" 0.61782 0.022321 0.015208 0 7.7432
"cpu-depth 640" 0.78317 0.15115 0.019176 0 4.938
"gpu-hiz 640" 6.409 0.77935 0.28336 0.052297 4.938
"gpu-hiz 160" 2.4651 0.059971 0.018144 0.044533 6.8209
"occlusion-query stop-and-wait" 6.8385 16.968 0.017032 0 2.8526
"occlusion-query previous-frame" 0.016931 6.7218 20.071 0 2.8526
EOD
$cost120 << EOD
"draw-all" 0 0 0 0 13.412
"oracle" 0 0 0 0 2.2291
"oracle-occluders" 0 0 0 0 3.3381
"hom 255" 1.4972 0.044513 0.067455 0 4.8407
"hom 240" 1.2455 0.034885 0.061574 0 4.8407
"hom 200" 1.5599 0.036879 0.075129 0 2.3279
"hom 150" 1.6006 0.030166 0.067956 0 2.3279
"hom 100" 1.0757 0.02652 0.055603 0 2.7019
"hom 50" 1.6199 0.037921 0.063839 0 2.4562
"hom 0" 1.6832 0.036758 0.063909 0 2.4562
"hom-conservative 255" 0.99504 0.01568 0.018304 0.03207 13.412
"hom-conservative 240" 0.9272 0.015368 0.015569 0.024115 13.412
"hom-conservative 200" 0.91584 0.015188 0.017904 0.026028 13.412
"hom-conservative 150" 1.0158 0.014487 0.016661 0.023754 13.412
"hom-conservative 100" 0.86005 0.013114 0.014667 0.020559 13.412
"hom-conservative 50" 0.89879 0.011832 0.015068 0.019857 13.412
"hom-conservative 0" 0.82359 0.011572 0.015288 0.020459 13.412
"cpu-depth 64" 0.40104 0.002094 0.012483 0 5.9787
"cpu-depth 128" 0.47136 0.005 0.011471 0 9.4745
"cpu-depth 256" 0.55656 0.018023 0.012273 0 9.4745
"cpu-depth 640" 0.79381 0.11868 0.014186 0 10.723
"gpu-hiz 640" 7.801 0.81394 0.28582 0.051616 10.723
"gpu-hiz 160" 3.3071 0.044513 0.014567 0.036408 6.4725
"occlusion-query stop-and-wait" 7.1603 17.371 0.014747 0 3.3381
"occlusion-query previous-frame" 0.019366 6.5771 19.358 0 2.5455
EOD
$cost240 << EOD
"draw-all" 0 0 0 0 14.622
"oracle" 0 0 0 0 2.4329
"oracle-occluders" 0 0 0 0 4.4868
"hom 255" 1.8264 0.047568 0.065862 0 8.4348
"hom 240" 1.4956 0.037711 0.064039 0 8.4348
"hom 200" 1.4838 0.036308 0.077174 0 4.8445
"hom 150" 1.7914 0.03772 0.07523 0 4.8445
"hom 100" 1.6392 0.033793 0.072746 0 5.0486
"hom 50" 1.6639 0.034735 0.062747 0 3.0086
"hom 0" 1.2849 0.031118 0.061104 0 2.6139
"hom-conservative 255" 0.97396 0.018234 0.018935 0.030877 14.622
"hom-conservative 240" 1.0021 0.015028 0.015509 0.025177 14.622
"hom-conservative 200" 1.0291 0.015559 0.017102 0.023984 14.622
"hom-conservative 150" 1.0182 0.013664 0.015018 0.022001 14.622
"hom-conservative 100" 0.90652 0.014737 0.016371 0.02161 14.622
"hom-conservative 50" 0.82247 0.011611 0.015328 0.020237 14.622
"hom-conservative 0" 0.8672 0.013105 0.016491 0.02148 14.622
"cpu-depth 64" 0.2817 0.002374 0.011802 0 11.193
"cpu-depth 128" 0.39109 0.005791 0.011962 0 12.122
"cpu-depth 256" 0.61166 0.025568 0.01622 0 12.122
"cpu-depth 640" 0.80911 0.13068 0.015629 0 10.437
"gpu-hiz 640" 4.9724 0.54922 0.27302 0.050003 10.437
"gpu-hiz 160" 2.6055 0.03786 0.01641 0.041017 11.339
"occlusion-query stop-and-wait" 5.1713 18.626 0.01563 0 4.4868
"occlusion-query previous-frame" 0.02142 6.5971 20.405 0 4.2697
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
plot $cost0 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost0 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost0 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost0 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost0 using 6 lc rgb '#bbbbbb' title 'drawing', 3.2805 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at 120 degrees'
plot $cost120 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost120 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost120 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost120 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost120 using 6 lc rgb '#bbbbbb' title 'drawing', 3.8388 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at 240 degrees'
plot $cost240 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost240 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost240 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost240 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost240 using 6 lc rgb '#bbbbbb' title 'drawing', 5.1598 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
unset multiplot
