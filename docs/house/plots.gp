$pareto << EOD
0 "255" 1.9213 3.5795 51.352
0 "240" 1.6861 4.9129 52.104
0 "200" 1.6879 5.7682 52.997
0 "150" 1.9605 6.9241 53.167
0 "100" 1.5852 7.1873 53.167
0 "50" 1.541 7.1873 55.667
0 "0" 1.5607 7.1873 56.024
1 "255" 1.3583 0 33.418
1 "240" 1.2876 0 33.418
1 "200" 1.2712 0 33.418
1 "150" 1.4051 0 33.418
1 "100" 1.2526 0 33.418
1 "50" 1.468 0 33.418
1 "0" 1.3903 0 33.418
2 "64" 0.43148 0 49.408
2 "128" 0.47061 0 48.783
2 "256" 0.57148 0 48.105
2 "640" 1.1224 0 47.799
3 "640" 11.417 0 47.799
3 "160" 3.4028 0 48.738
4 "stop-and-wait" 31.831 0 100
4 "previous-frame" 33.593 52.662 81.003
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
"draw-all" 0 0 0 0 20.011
"oracle" 0 0 0 0 16.416
"oracle-occluders" 0 0 0 0 16.615
"hom 255" 3.2037 0.046236 0.062486 0 18.134
"hom 240" 3.3996 0.03793 0.05903 0 20.015
"hom 200" 2.6707 0.033382 0.057196 0 20.444
"hom 150" 4.6392 0.039463 0.061744 0 20.444
"hom 100" 2.2153 0.035867 0.061004 0 20.444
"hom 50" 2.0155 0.031629 0.055984 0 20.444
"hom 0" 2.5782 0.038191 0.063659 0 20.444
"hom-conservative 255" 2.3172 0.024265 0.029765 0.025237 20.011
"hom-conservative 240" 1.7185 0.01624 0.025567 0.020949 20.011
"hom-conservative 200" 1.8923 0.016692 0.030076 0.02128 20.011
"hom-conservative 150" 2.0809 0.01611 0.028874 0.02097 20.011
"hom-conservative 100" 1.9336 0.01554 0.025378 0.019556 20.011
"hom-conservative 50" 3.7068 0.020278 0.029525 0.021029 20.011
"hom-conservative 0" 2.0162 0.014647 0.02642 0.019918 20.011
"cpu-depth 64" 0.50137 0.001403 0.011 0 25.308
"cpu-depth 128" 0.56367 0.003366 0.009999 0 25.308
"cpu-depth 256" 0.65636 0.009117 0.01053 0 25.308
"cpu-depth 640" 1.1767 0.088154 0.012684 0 26.776
"gpu-hiz 640" 15.012 0.46828 0.22741 0.048631 26.776
"gpu-hiz 160" 4.937 0.038011 0.013125 0.046456 26.776
"occlusion-query stop-and-wait" 16.597 32.562 0.014888 0 16.615
"occlusion-query previous-frame" 0.011502 17.604 29.479 0 8.3613
EOD
$cost3 << EOD
"draw-all" 0 0 0 0 16.347
"oracle" 0 0 0 0 3.4996
"oracle-occluders" 0 0 0 0 4.6282
"hom 255" 1.7896 0.028482 0.050374 0 12.259
"hom 240" 1.7563 0.022271 0.047188 0 12.259
"hom 200" 1.7094 0.022762 0.045776 0 12.259
"hom 150" 1.5628 0.022211 0.045475 0 12.259
"hom 100" 1.6775 0.019938 0.044272 0 12.259
"hom 50" 1.8314 0.022943 0.045535 0 12.259
"hom 0" 1.6751 0.02122 0.04307 0 12.259
"hom-conservative 255" 2.0788 0.018726 0.025898 0.018334 16.347
"hom-conservative 240" 1.3587 0.014136 0.023413 0.016591 16.347
"hom-conservative 200" 1.3316 0.013265 0.022532 0.015869 16.347
"hom-conservative 150" 1.9238 0.014597 0.023694 0.01635 16.347
"hom-conservative 100" 1.3699 0.014688 0.023003 0.016621 16.347
"hom-conservative 50" 1.4835 0.016241 0.024165 0.01621 16.347
"hom-conservative 0" 2.8463 0.016812 0.024636 0.018044 16.347
"cpu-depth 64" 0.45201 0.001393 0.010129 0 13.929
"cpu-depth 128" 0.4737 0.003546 0.008716 0 13.929
"cpu-depth 256" 0.57906 0.012663 0.008896 0 13.929
"cpu-depth 640" 1.004 0.084778 0.01096 0 11.927
"gpu-hiz 640" 13.515 0.47565 0.27397 0.047007 11.927
"gpu-hiz 160" 3.7862 0.040165 0.013675 0.037049 11.927
"occlusion-query stop-and-wait" 12.788 23.159 0.013225 0 3.4996
"occlusion-query previous-frame" 0.014968 12.886 22.276 0 4.0944
EOD
$cost6 << EOD
"draw-all" 0 0 0 0 13.864
"oracle" 0 0 0 0 12.895
"oracle-occluders" 0 0 0 0 13.183
"hom 255" 1.9522 0.040405 0.060042 0 13.864
"hom 240" 1.563 0.024025 0.045215 0 13.864
"hom 200" 1.6823 0.024295 0.045224 0 13.864
"hom 150" 1.4653 0.024846 0.044733 0 14.489
"hom 100" 1.5136 0.020178 0.041748 0 14.489
"hom 50" 1.4492 0.019386 0.040315 0 14.489
"hom 0" 1.3812 0.018404 0.039805 0 14.489
"hom-conservative 255" 1.2517 0.018165 0.022542 0.016191 13.864
"hom-conservative 240" 1.2395 0.013574 0.020628 0.014917 13.864
"hom-conservative 200" 1.2753 0.013616 0.020518 0.014447 13.864
"hom-conservative 150" 1.2206 0.016661 0.020488 0.014557 13.864
"hom-conservative 100" 1.1466 0.013065 0.019356 0.013405 13.864
"hom-conservative 50" 1.1851 0.012122 0.019296 0.014096 13.864
"hom-conservative 0" 1.1927 0.012873 0.019617 0.013576 13.864
"cpu-depth 64" 0.49308 0.001302 0.008105 0 13.864
"cpu-depth 128" 0.53189 0.003436 0.007574 0 13.864
"cpu-depth 256" 0.64449 0.013304 0.007945 0 13.864
"cpu-depth 640" 1.0606 0.079107 0.012723 0 13.864
"gpu-hiz 640" 13.054 0.48888 0.23021 0.045726 13.864
"gpu-hiz 160" 3.6384 0.039725 0.013475 0.036998 13.864
"occlusion-query stop-and-wait" 10.47 21.753 0.013466 0 13.183
"occlusion-query previous-frame" 0.014988 13.676 22.157 0 1.6093
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
plot $cost0 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost0 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost0 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost0 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost0 using 6 lc rgb '#bbbbbb' title 'drawing', 19.107 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at viewpoint 3'
plot $cost3 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost3 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost3 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost3 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost3 using 6 lc rgb '#bbbbbb' title 'drawing', 5.3224 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at viewpoint 6'
plot $cost6 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost6 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost6 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost6 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost6 using 6 lc rgb '#bbbbbb' title 'drawing', 15.16 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
unset multiplot
