$pareto << EOD
0 "255" 3.4661 3.5795 51.352
0 "240" 2.4249 4.9129 52.104
0 "200" 2.4816 5.7682 52.997
0 "150" 2.6505 6.9241 53.167
0 "100" 2.7012 7.1873 53.167
0 "50" 2.3903 7.1873 55.667
0 "0" 2.5618 7.1873 56.024
1 "255" 1.8352 0 33.418
1 "240" 1.74 0 33.418
1 "200" 1.8185 0 33.418
1 "150" 1.6244 0 33.418
1 "100" 1.7211 0 33.418
1 "50" 1.6488 0 33.418
1 "0" 1.8683 0 33.418
2 "64" 0.55175 0 49.408
2 "128" 0.62051 0 48.783
2 "256" 0.76974 0 48.105
2 "640" 1.5107 0 47.799
3 "640" 15.03 0 47.799
3 "160" 4.9176 0 48.738
4 "stop-and-wait" 41.589 0 100
4 "previous-frame" 41.102 52.662 81.003
EOD
set terminal pngcairo size 1400,620 font ',10'
set output 'pareto.png'
set multiplot layout 1,2 title 'Culling-pass cost against what the pass gets wrong and what it removes (means over the viewpoints; labels: configuration)'
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
"draw-all" 0 0 0 0 24.712
"oracle" 0 0 0 0 19.8
"oracle-occluders" 0 0 0 0 23.159
"hom 255" 7.3962 0.059501 0.081542 0 24.81
"hom 240" 2.7676 0.051125 0.077996 0 23.59
"hom 200" 3.0029 0.054962 0.078677 0 24.143
"hom 150" 3.0201 0.060924 0.082294 0 24.143
"hom 100" 6.9195 0.067977 0.083065 0 24.143
"hom 50" 3.1941 0.051646 0.08055 0 24.143
"hom 0" 4.9715 0.057016 0.083787 0 24.143
"hom-conservative 255" 2.7188 0.036358 0.046567 0.033693 24.712
"hom-conservative 240" 2.5083 0.029977 0.045465 0.03207 24.712
"hom-conservative 200" 2.9441 0.035215 0.046276 0.030758 24.712
"hom-conservative 150" 1.7943 0.023854 0.045876 0.032029 24.712
"hom-conservative 100" 2.5736 0.026399 0.046036 0.031989 24.712
"hom-conservative 50" 2.3995 0.02718 0.041097 0.029405 24.712
"hom-conservative 0" 2.5415 0.027181 0.043641 0.030577 24.712
"cpu-depth 64" 0.69318 0.002505 0.017362 0 25.377
"cpu-depth 128" 0.76012 0.004538 0.015148 0 25.377
"cpu-depth 256" 0.92017 0.013866 0.016511 0 25.377
"cpu-depth 640" 1.8914 0.098484 0.022843 0 26.075
"gpu-hiz 640" 20.568 0.6452 0.26339 0.056936 26.075
"gpu-hiz 160" 8.2486 0.059822 0.016039 0.052017 26.075
"occlusion-query stop-and-wait" 19.673 40.336 0.018123 0 23.159
"occlusion-query previous-frame" 0.01595 19.072 36.653 0 8.5976
EOD
$cost3 << EOD
"draw-all" 0 0 0 0 19.651
"oracle" 0 0 0 0 5.5775
"oracle-occluders" 0 0 0 0 4.4795
"hom 255" 2.4996 0.049632 0.065452 0 15.801
"hom 240" 2.2605 0.031719 0.052638 0 15.801
"hom 200" 3.4408 0.032951 0.058158 0 15.801
"hom 150" 2.6289 0.034925 0.057877 0 15.801
"hom 100" 2.3778 0.031429 0.05877 0 15.801
"hom 50" 2.6986 0.036187 0.057367 0 15.801
"hom 0" 2.5981 0.034384 0.051536 0 15.801
"hom-conservative 255" 2.0536 0.023053 0.039994 0.025989 19.651
"hom-conservative 240" 1.7696 0.020888 0.03747 0.023414 19.651
"hom-conservative 200" 2.1129 0.025608 0.036798 0.024395 19.651
"hom-conservative 150" 1.8808 0.022572 0.038081 0.024776 19.651
"hom-conservative 100" 1.9377 0.023453 0.038301 0.022502 19.651
"hom-conservative 50" 2.1376 0.024645 0.03816 0.024676 19.651
"hom-conservative 0" 2.7924 0.029525 0.040796 0.026489 19.651
"cpu-depth 64" 0.65111 0.002675 0.019306 0 16.563
"cpu-depth 128" 0.63701 0.00537 0.015098 0 16.563
"cpu-depth 256" 0.75442 0.018484 0.014317 0 16.563
"cpu-depth 640" 1.5018 0.10365 0.016852 0 13.557
"gpu-hiz 640" 16.684 0.66209 0.27946 0.052709 13.557
"gpu-hiz 160" 5.4479 0.050484 0.01586 0.048861 13.557
"occlusion-query stop-and-wait" 14.634 25.265 0.018004 0 5.5775
"occlusion-query previous-frame" 0.018154 18.525 26.64 0 8.115
EOD
$cost6 << EOD
"draw-all" 0 0 0 0 20.424
"oracle" 0 0 0 0 19.079
"oracle-occluders" 0 0 0 0 19.951
"hom 255" 2.0972 0.041438 0.051166 0 20.424
"hom 240" 1.9242 0.03231 0.053049 0 20.424
"hom 200" 2.2258 0.031378 0.05344 0 20.424
"hom 150" 2.2144 0.028313 0.053069 0 17.189
"hom 100" 2.1482 0.02717 0.045394 0 17.189
"hom 50" 2.1912 0.026209 0.046707 0 17.189
"hom 0" 1.833 0.035365 0.049272 0 17.189
"hom-conservative 255" 1.6858 0.02169 0.025958 0.020709 20.424
"hom-conservative 240" 1.6861 0.023483 0.035136 0.020618 20.424
"hom-conservative 200" 1.8276 0.023193 0.034745 0.022432 20.424
"hom-conservative 150" 1.9001 0.027681 0.036638 0.024866 20.424
"hom-conservative 100" 1.3859 0.01663 0.028573 0.019646 20.424
"hom-conservative 50" 1.5397 0.020598 0.036368 0.021209 20.424
"hom-conservative 0" 1.8345 0.022543 0.035467 0.02146 20.424
"cpu-depth 64" 0.6152 0.002144 0.01052 0 20.424
"cpu-depth 128" 0.77942 0.00538 0.012463 0 20.424
"cpu-depth 256" 1.0562 0.016701 0.016371 0 20.424
"cpu-depth 640" 1.7324 0.097923 0.017383 0 20.424
"gpu-hiz 640" 17.26 0.62016 0.29124 0.05405 20.424
"gpu-hiz 160" 7.8693 0.060343 0.016852 0.050925 20.424
"occlusion-query stop-and-wait" 14.405 23.975 0.018925 0 19.951
"occlusion-query previous-frame" 0.017833 14.6 27.693 0 3.9272
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
plot $cost0 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost0 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost0 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost0 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost0 using 6 lc rgb '#bbbbbb' title 'drawing', 26.632 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at viewpoint 3'
plot $cost3 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost3 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost3 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost3 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost3 using 6 lc rgb '#bbbbbb' title 'drawing', 5.1514 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at viewpoint 6'
plot $cost6 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost6 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost6 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost6 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost6 using 6 lc rgb '#bbbbbb' title 'drawing', 22.944 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
unset multiplot
